// The registry and the statistics dialogs as the player meets them on the desktop: a
// name typed into the box, registered, chosen in the list and played with Enter; the
// statistics filled from his history. Each dialog's picture is kept as an artifact.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "game/archivos.h"
#include "platform/sqlcipher/base_sqlcipher.h"
#include "players/estadistica.h"
#include "qt/prueba_principal.h"

namespace {

using namespace naipalia;
using namespace naipalia::vista::prueba;

// The texts of the dialog's labels that show less than their whole text: one line too
// narrow, or wrapped lines too tall.
std::vector<std::string> Cortadas(QWidget* dialogo) {
    std::vector<std::string> cortadas;
    for (const QLabel* l : dialogo->findChildren<QLabel*>()) {
        const QRect dentro = l->contentsRect();
        const QString texto = l->text().trimmed();
        const bool cortada =
            l->wordWrap() ? l->fontMetrics().boundingRect(dentro, Qt::TextWordWrap, texto).height() > dentro.height()
                          : l->fontMetrics().horizontalAdvance(texto) > dentro.width();
        if (l->isVisible() && cortada) cortadas.push_back(texto.toStdString());
    }
    return cortadas;
}

// Runs `abrir`, which shows a dialog; once up, `mirar` sees it, its picture is kept and its
// labels are checked whole. Returns the dialog.
QPointer<QWidget> Abrir(const std::function<void()>& abrir, const QString& foto,
                        const std::function<void(QWidget*)>& mirar = {}) {
    QPointer<QWidget> visto;
    QObject contexto;  // the timers die with the call
    QTimer::singleShot(0, &contexto, [&] {
        visto = QApplication::activeModalWidget();
        if (!visto) return;
        if (mirar) mirar(visto);
        Guardar(visto->grab(), foto);
        EXPECT_EQ(Cortadas(visto), std::vector<std::string>{}) << foto.toStdString() << ": texts cut";
        if (auto* aceptar = visto->findChild<QPushButton*>("BotonAceptar"); aceptar && visto->isVisible())
            QTest::mouseClick(aceptar, Qt::LeftButton);
    });
    QTimer::singleShot(5000, &contexto, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
    });
    abrir();
    return visto;
}

TEST(RegistroQt, UnNombreEscritoSeRegistraQuedaElegidoYEnterJuega) {
    // The program's files, and a database of the test's own, never the build's.
    QTemporaryDir carpeta;
    for (const QFileInfo& f : QDir(carpetaPrograma).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot))
        if (f.fileName() != archivos::BaseDatos)
            QFile::link(f.absoluteFilePath(), QDir(carpeta.path()).filePath(f.fileName()));
    std::string error;
    ASSERT_TRUE(BaseSqlcipher::Crear(QDir(carpeta.path()).filePath(archivos::BaseDatos).toStdString(),
                                     archivos::ClaveBase, error))
        << error;
    BaseSqlcipher base;
    MensajesGrabados mensajes;
    vista::Programa programa(carpeta.path(), &mensajes, &base);

    bool vaciado = false;
    const auto registro = Abrir([&] { programa.juego().arrancar(); }, "registro.png",
                                [&](QWidget* r) {
                                    auto* nuevo = r->findChild<QLineEdit*>("TextoNuevoJugador");
                                    auto* registrar = r->findChild<QPushButton*>("BotonRegistrar");
                                    auto* lista = r->findChild<QListWidget*>("ListaJugadores");
                                    if (!nuevo || !registrar || !lista) return;
                                    QTest::keyClicks(nuevo, "Zoe O'Neil");
                                    QTest::mouseClick(registrar, Qt::LeftButton);
                                    QCoreApplication::processEvents();
                                    // The field emptied and the new name chosen: Enter again on the button registers
                                    // nothing.
                                    vaciado = nuevo->text().isEmpty() && lista->currentRow() == 0;
                                    registrar->setFocus();
                                    QTest::keyClick(registrar, Qt::Key_Return);
                                    QTest::qWait(300);
                                    QTest::keyClick(lista, Qt::Key_Return);
                                });
    ASSERT_TRUE(registro);
    EXPECT_EQ(registro->windowTitle(), "Nuevo Jugador");
    EXPECT_FALSE(registro->isVisible());
    EXPECT_TRUE(vaciado);
    const auto& e = programa.juego().estado;
    EXPECT_EQ(e.NombreJugador, NombreRelleno("Zoe O'Neil"));
    EXPECT_FALSE(e.SinRecuerdos);
    // Once, whatever the screen's own warning at 2x.
    EXPECT_EQ(std::count(mensajes.textos.begin(), mensajes.textos.end(),
                         "Tu nombre de jugador ha sido \"recordado\" con éxito. Se recomienda que tu nombre solo sea "
                         "usado por ti."),
              1);
    std::vector<std::string> nombres;
    FalloBase f;
    ASSERT_TRUE(base.leerJugadores(nombres, f));
    EXPECT_EQ(nombres, std::vector<std::string>{"Zoe O'Neil"});

    // His statistics, as the computer shows them before answering; his games in "Mis
    // partidas", with the chart of each game's margin.
    for (int i = 0; i < 12; ++i) ASSERT_TRUE(base.agregarTanto({e.NombreJugador, "E", 20 + i, i % 4 == 0, false}, f));
    for (const int compu : {3, 15, 12, 0, 15, 9, 15, 14})
        ASSERT_TRUE(
            base.agregarPartida("Zoe O'Neil", {0, "06/12/2026", "12:00:00", 15, compu < 15 ? 15 : 8, compu}, f));
    auto& jugadores = programa.juego().jugadores;
    EXPECT_EQ(jugadores.ConsultarRecuerdos("E"), 12);
    jugadores.LlenarEstadistica();
    const auto estadistica =
        Abrir([&] { programa.juego().operacion.mostrarModal(programa.juego().estadistica); }, "estadistica.png");
    ASSERT_TRUE(estadistica);
    EXPECT_EQ(estadistica->windowTitle(), "Mis \"recuerdos\" estadísticos");
    EXPECT_FALSE(programa.juego().estadistica.cargada());
    const auto partidas = Abrir([&] { jugadores.MenuPartidas_Click(); }, "mis_partidas.png");
    ASSERT_TRUE(partidas);
    EXPECT_EQ(partidas->windowTitle(), "Mis partidas");
    programa.escena().destruirVentanas();
}

}  // namespace

int main(int argc, char* argv[]) { return naipalia::vista::prueba::Correr(argc, argv, true); }
