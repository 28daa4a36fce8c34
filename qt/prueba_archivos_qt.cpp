// The program's files on the desktop: no sound clip, however broken or slow, stops the
// game; the games are kept where the player finds them, and only the program's own are
// ever pruned.
#include <sys/resource.h>

#include <csignal>

#include "game/archivos.h"
#include "qt/partidas_qt.h"
#include "qt/prueba_principal.h"
#include "shell/operacion.h"

namespace {

using namespace naipalia;
using namespace naipalia::vista;
using namespace naipalia::vista::prueba;

// Players that hang on "Open" until the test lets them go, as the sound system does on a
// clip whose loading never ends; each "Play" at the volume it was given.
QSemaphore suelta;
struct Trabados : Sonidos {
    explicit Trabados(const std::atomic<float>* v) : volumen(v) {}
    bool comando(const std::string&, const std::string& orden, const std::string&) override {
        if (orden == "Open") suelta.acquire();
        if (orden == "Play") tocadas.push_back(volumen->load());
        return true;
    }
    const std::atomic<float>* volumen;
    inline static std::vector<float> tocadas;
};

// The window waits for them once, bounded, then fails at once until they answer again.
TEST(SonidosQt, UnReproductorQueNoRespondeNoDetieneLaVentana) {
    vista::SonidosQt sonidos([](const std::atomic<float>* v) { return new Trabados(v); },
                             std::chrono::milliseconds(200));
    const std::string clip = (carpetaPrograma + "/" + archivos::Mover).toStdString();
    EXPECT_TRUE(sonidos.comando("MultimediaCarta", "Close", clip));
    EXPECT_FALSE(sonidos.comando("MultimediaCarta", "Open", clip)) << "no answer is a failure";
    EXPECT_FALSE(sonidos.comando("MultimediaSonido", "Close", clip)) << "still busy";
    suelta.release();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sonidos.comando("MultimediaCarta", "Play", clip); }, 5000));
    sonidos.volumen(0.25f);
    EXPECT_TRUE(sonidos.comando("MultimediaCarta", "Play", clip));
    EXPECT_EQ(std::pair(Trabados::tocadas.front(), Trabados::tocadas.back()), std::pair(1.0f, 0.25f))
        << "each clip at the volume chosen then";
}

// Qt's own buttons and dialogs speak Spanish wherever its translations are installed.
TEST(Traduccion, LosTextosDeQtEnCastellano) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm"))
        GTEST_SKIP() << "Qt's translations are not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancelar");
}

// A game is saved by default in the player's documents, else in his home; never where
// the program runs.
TEST(Partidas, SeGuardanEntreLosDocumentosDelJugador) {
    QTemporaryDir casa;
    const QByteArray casaAntes = qgetenv("HOME"), configuracionAntes = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", casa.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", casa.filePath(".config").toLocal8Bit());  // no user-dirs.dirs of the machine's
    const QString sinDocumentos = CarpetaDelJugador();
    QDir().mkpath(casa.filePath("Documents"));
    const QString conDocumentos = CarpetaDelJugador();
    qputenv("HOME", casaAntes);
    configuracionAntes.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", configuracionAntes);
    EXPECT_EQ(std::pair(sinDocumentos, conDocumentos), std::pair(casa.path(), casa.filePath("Documents")));
}

// The recordings folder: one that cannot be written is told once and gets nothing; the
// pruning takes the oldest of the program's own files alone; a write cut short (a full
// disk, here a file size limit) keeps the last good copy and leaves nothing behind.
TEST(Partidas, LasGrabacionesNoPierdenNadaNiTocanLoAjeno) {
    QTemporaryDir raiz;
    const QDir dir(raiz.path()), carpeta(dir.filePath("partidas"));
    int avisos = 0;
    const auto contar = [&avisos](const QString&) { ++avisos; };
    const auto entradas = [](const QDir& d) {
        return d.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    };

    QFile estorbo(dir.filePath("estorbo"));  // a file where the folder should be
    ASSERT_TRUE(estorbo.open(QIODevice::WriteOnly));
    estorbo.close();
    Partidas bloqueada(estorbo.fileName(), contar);
    bloqueada.guardar(1, "#> uno\n");
    bloqueada.guardar(2, "#> dos\n");
    QCoreApplication::processEvents();
    EXPECT_EQ(std::tuple(avisos, entradas(dir), estorbo.size()), std::tuple(1, QStringList{"estorbo"}, 0));

    ASSERT_TRUE(carpeta.mkpath("."));
    QStringList quedan{"0001-importante.guion", "2000-01-01_00-00-00.guion"};  // the player's, and a link
    for (int i = 0; i < 51; ++i) quedan << QString("2020-01-01_00-00-%1.guion").arg(i, 2, 10, QChar('0'));
    for (const QString& nombre : quedan.mid(2)) QFile(carpeta.filePath(nombre)).open(QIODevice::WriteOnly);
    QFile(carpeta.filePath(quedan[0])).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(carpeta.filePath(quedan[0]), carpeta.filePath(quedan[1])));
    Partidas partidas(carpeta.path(), contar);
    partidas.guardar(1, "#> buena\n");  // the 52nd own file
    QStringList nueva = entradas(carpeta);
    for (const QString& nombre : quedan.mid(0, 2) + quedan.mid(4))
        EXPECT_TRUE(nueva.removeOne(nombre)) << nombre.toStdString();
    ASSERT_EQ(nueva.size(), 1) << nueva.join(' ').toStdString();

    std::signal(SIGXFSZ, SIG_IGN);
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    const rlimit limite{4, antes.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limite);
    partidas.guardar(1, "#> cortada por el disco lleno\n");
    setrlimit(RLIMIT_FSIZE, &antes);
    QCoreApplication::processEvents();
    QFile guardada(carpeta.filePath(nueva[0]));
    EXPECT_TRUE(guardada.open(QIODevice::ReadOnly) && guardada.readAll() == "#> buena\n");
    EXPECT_EQ(entradas(carpeta).size(), quedan.size() - 1) << "nothing left behind";
    EXPECT_EQ(avisos, 2);
}

// The program folder again, every clip cut in half with its header still claiming the whole.
QString ConVocesCortadas() {
    static QTemporaryDir copia;
    for (const QFileInfo& f : QDir(carpetaPrograma).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString destino = QDir(copia.path()).filePath(f.fileName());
        if (f.suffix() != "wav") QFile::link(f.absoluteFilePath(), destino);
        if (f.suffix() == "wav" && QFile::copy(f.absoluteFilePath(), destino)) QFile(destino).resize(f.size() / 2);
    }
    return copia.path();
}

struct VocesCortadas : PruebaMesa {
    VocesCortadas() : PruebaMesa(ConVocesCortadas()) {}
};

// The voice on, the computer speaks round after round: each clip gives the file message
// and play goes on.
TEST_F(VocesCortadas, LaPartidaSigue) {
    ventana().menus().accion(mesa().MenuMultimediaVozOpcion(1))->trigger();
    ASSERT_TRUE(mesa().MenuMultimediaVozOpcion(1).Checked());
    int cartas = 0;
    bool jugando = false;  // a dialog opened by a card runs the event loop: no card inside another
    QTimer jugador;
    CadaVez(jugador, [&] {
        if (Responder(QApplication::activeModalWidget()) || QApplication::activeModalWidget() || jugando) return;
        for (int s = 1; s <= 3; ++s)
            if (mesa().BotonCarta(s).Enabled()) {
                const QScopedValueRollback<bool> ahora(jugando, true);
                ++cartas;
                return qobject_cast<QPushButton*>(widget(mesa().BotonCarta(s)))->click();
            }
    });
    QTest::keyClick(&ventana(), Qt::Key_F5);
    const auto errores = [&] { return std::count(mensajes.textos.begin(), mensajes.textos.end(), ErrorArchivo); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return errores() >= 3; }, 60000))
        << errores() << " clips, " << cartas << " cards";
    const int antes = cartas;
    EXPECT_TRUE(QTest::qWaitFor([&] { return cartas > antes; }, 10000)) << "play stopped";
    for (const std::string& texto : mensajes.textos) EXPECT_EQ(texto, ErrorArchivo) << "only the file message";
}

}  // namespace

int main(int argc, char* argv[]) { return naipalia::vista::prueba::Correr(argc, argv); }
