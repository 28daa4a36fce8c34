// The registry and the statistics dialog as the player meets them on the desktop: a
// name typed into the box, registered, chosen in the list and played with Enter; the
// statistics filled from his history. Each dialog's picture is kept as an artifact.
#include <gtest/gtest.h>

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "game/archivos.h"
#include "platform/sqlcipher/base_sqlcipher.h"
#include "players/estadistica.h"
#include "qt/programa.h"
#include "qt/prueba_principal.h"

namespace {

QString carpetaPrograma;
QString carpetaArtefactos;

class MensajesGrabados : public naipalia::Mensajes {
public:
    naipalia::Respuesta mostrar(const std::string& texto, naipalia::Icono, naipalia::Botones botones,
                                naipalia::Respuesta) override {
        textos.push_back(texto);
        return botones == naipalia::Botones::SiNo ? naipalia::Respuesta::No : naipalia::Respuesta::Aceptar;
    }
    std::vector<std::string> textos;
};

// The real engine on a file of the test's own, never the build's.
class BaseDeLaPrueba : public naipalia::BaseDatos {
public:
    explicit BaseDeLaPrueba(std::string archivo) : archivo_(std::move(archivo)) {}
    bool abrir(const std::string&, const std::string& clave, std::string& error) override {
        return base.abrir(archivo_, clave, error);
    }
    void cerrar() override { base.cerrar(); }
    bool leerJugadores(std::vector<std::string>& n, naipalia::FalloBase& f) override {
        return base.leerJugadores(n, f);
    }
    bool agregarJugador(const std::string& n, naipalia::FalloBase& f) override { return base.agregarJugador(n, f); }
    bool eliminarJugador(const std::string& n, naipalia::FalloBase& f) override { return base.eliminarJugador(n, f); }
    bool agregarTanto(const naipalia::FilaTanto& t, naipalia::FalloBase& f) override { return base.agregarTanto(t, f); }
    bool contarTantos(const std::string& j, const std::string& t, std::vector<naipalia::CuentaTanto>& c,
                      naipalia::FalloBase& f) override {
        return base.contarTantos(j, t, c, f);
    }
    bool leerPartidas(const std::string& j, std::vector<naipalia::FilaPartida>& p, naipalia::FalloBase& f) override {
        return base.leerPartidas(j, p, f);
    }
    bool leerOpciones(naipalia::OpcionesGuardadas& o, naipalia::FalloBase& f) override {
        return base.leerOpciones(o, f);
    }
    bool guardarOpcion(naipalia::Opcion o, bool v, naipalia::FalloBase& f) override {
        return base.guardarOpcion(o, v, f);
    }
    naipalia::BaseSqlcipher base;

private:
    std::string archivo_;
};

// A label that shows less than its whole text: one line too narrow, or wrapped lines too
// tall for it.
bool Cortada(const QLabel& etiqueta) {
    const QRect dentro = etiqueta.contentsRect();
    const QString texto = etiqueta.text().trimmed();
    if (!etiqueta.wordWrap()) return etiqueta.fontMetrics().horizontalAdvance(texto) > dentro.width();
    return etiqueta.fontMetrics().boundingRect(dentro, Qt::TextWordWrap, texto).height() > dentro.height();
}

void guardar(QWidget* w, const QString& nombre) {
    QDir().mkpath(carpetaArtefactos);
    w->grab().save(QDir(carpetaArtefactos).filePath(nombre));
}

TEST(RegistroQt, UnNombreEscritoSeRegistraQuedaElegidoYEnterJuega) {
    QTemporaryDir temporal;
    const std::string archivo = QDir(temporal.path()).filePath("naipalia.mdb").toStdString();
    std::string error;
    ASSERT_TRUE(naipalia::BaseSqlcipher::Crear(archivo, naipalia::archivos::ClaveBase, error)) << error;
    BaseDeLaPrueba base(archivo);
    MensajesGrabados mensajes;
    naipalia::vista::Programa programa(carpetaPrograma, &mensajes, &base);

    QPointer<QWidget> registro;
    bool vaciado = false;
    QTimer::singleShot(0, [&] {
        registro = QApplication::activeModalWidget();
        if (!registro) return;
        auto* nuevo = registro->findChild<QLineEdit*>("TextoNuevoJugador");
        auto* registrar = registro->findChild<QPushButton*>("BotonRegistrar");
        auto* lista = registro->findChild<QListWidget*>("ListaJugadores");
        if (!nuevo || !registrar || !lista) return;
        QTest::keyClicks(nuevo, "Zoe O'Neil");
        QTest::mouseClick(registrar, Qt::LeftButton);
        QCoreApplication::processEvents();
        // The field emptied and the new name chosen: Enter again on the button registers nothing.
        vaciado = nuevo->text().isEmpty() && lista->currentRow() == 0;
        registrar->setFocus();
        QTest::keyClick(registrar, Qt::Key_Return);
        QTest::qWait(300);
        guardar(registro, "registro.png");
        QTest::keyClick(lista, Qt::Key_Return);
    });
    QObject contexto;  // the watchdog dies with the test
    QTimer::singleShot(5000, &contexto, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
    });
    programa.juego().arrancar();

    ASSERT_TRUE(registro);
    EXPECT_EQ(registro->windowTitle(), "Nuevo Jugador");
    EXPECT_FALSE(registro->isVisible());
    EXPECT_TRUE(vaciado);
    const auto& e = programa.juego().estado;
    EXPECT_EQ(e.NombreJugador, naipalia::NombreRelleno("Zoe O'Neil"));
    EXPECT_FALSE(e.SinRecuerdos);
    // Once, whatever the screen's own warning at 2x.
    EXPECT_EQ(std::count(mensajes.textos.begin(), mensajes.textos.end(),
                         "Tu nombre de jugador ha sido \"recordado\" con éxito. Se recomienda que tu nombre solo sea "
                         "usado por ti."),
              1);
    std::vector<std::string> nombres;
    naipalia::FalloBase f;
    ASSERT_TRUE(base.base.leerJugadores(nombres, f));
    EXPECT_EQ(nombres, std::vector<std::string>{"Zoe O'Neil"});

    // His statistics, as the computer shows them before answering: never won, the longest
    // comment, his name in it.
    for (int i = 0; i < 12; ++i) ASSERT_TRUE(base.agregarTanto({e.NombreJugador, "E", 20 + i, i % 4 == 0, false}, f));
    auto& jugadores = programa.juego().jugadores;
    EXPECT_EQ(jugadores.ConsultarRecuerdos("E"), 12);
    jugadores.LlenarEstadistica();
    QPointer<QWidget> estadistica;
    std::vector<std::string> cortadas;
    QTimer::singleShot(0, [&] {
        estadistica = QApplication::activeModalWidget();
        if (!estadistica) return;
        guardar(estadistica, "estadistica.png");
        for (const QLabel* etiqueta : estadistica->findChildren<QLabel*>())
            if (etiqueta->isVisible() && Cortada(*etiqueta)) cortadas.push_back(etiqueta->text().toStdString());
        if (auto* aceptar = estadistica->findChild<QPushButton*>("BotonAceptar"))
            QTest::mouseClick(aceptar, Qt::LeftButton);
    });
    programa.juego().operacion.mostrarModal(programa.juego().estadistica);
    ASSERT_TRUE(estadistica);
    EXPECT_EQ(estadistica->windowTitle(), "Mis \"recuerdos\" estadísticos");
    EXPECT_EQ(cortadas, std::vector<std::string>{}) << "texts cut";
    EXPECT_FALSE(programa.juego().estadistica.cargada());

    // His games in "Mis partidas": the figures, and the chart of each game's margin.
    for (const int compu : {3, 15, 12, 0, 15, 9, 15, 14})
        ASSERT_TRUE(
            base.base.agregarPartida("Zoe O'Neil", {0, "06/12/2026", "12:00:00", 15, compu < 15 ? 15 : 8, compu}, f));
    QPointer<QWidget> partidas;
    QObject contextoPartidas;
    QTimer::singleShot(0, &contextoPartidas, [&] {
        partidas = QApplication::activeModalWidget();
        if (!partidas) return;
        guardar(partidas, "mis_partidas.png");
        for (const QLabel* etiqueta : partidas->findChildren<QLabel*>())
            if (etiqueta->isVisible() && Cortada(*etiqueta)) cortadas.push_back(etiqueta->text().toStdString());
        if (auto* aceptar = partidas->findChild<QPushButton*>("BotonAceptar"))
            QTest::mouseClick(aceptar, Qt::LeftButton);
    });
    jugadores.MenuPartidas_Click();
    ASSERT_TRUE(partidas);
    EXPECT_EQ(partidas->windowTitle(), "Mis partidas");
    EXPECT_EQ(cortadas, std::vector<std::string>{}) << "texts cut";
    programa.escena().destruirVentanas();
}

}  // namespace

// An optional third argument: the scale factor of a 1280 x 1024 offscreen screen.
int main(int argc, char* argv[]) {
    if (argc > 3) {
        QDir().mkpath(QString::fromLocal8Bit(argv[2]));
        QFile archivo(QDir(QString::fromLocal8Bit(argv[2])).filePath("pantalla.json"));
        if (!archivo.open(QIODevice::WriteOnly)) return 2;
        archivo.write(R"({"windowFrameMargins": true, "screens": [{"name": "prueba", "x": 0, "y": 0,
            "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
        archivo.close();
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + archivo.fileName()).toLocal8Bit());
        qputenv("QT_SCALE_FACTOR", argv[3]);
    }
    return naipalia::vista::prueba::CorrerPruebas(argc, argv, carpetaPrograma, carpetaArtefactos);
}
