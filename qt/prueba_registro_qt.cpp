// The registry and the statistics dialog as the player meets them on the desktop: a
// name typed into the box, registered, chosen in the list and played with Enter; the
// statistics filled from his history. Each dialog's picture is kept as an artifact.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
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

void guardar(QWidget* w, const QString& nombre) {
    QDir().mkpath(carpetaArtefactos);
    w->grab().save(QDir(carpetaArtefactos).filePath(nombre));
}

TEST(RegistroQt, UnNombreEscritoSeRegistraSeEligeYEnterJuega) {
    QTemporaryDir temporal;
    const std::string archivo = QDir(temporal.path()).filePath("naipalia.mdb").toStdString();
    std::string error;
    ASSERT_TRUE(naipalia::BaseSqlcipher::Crear(archivo, naipalia::archivos::ClaveBase, error)) << error;
    BaseDeLaPrueba base(archivo);
    MensajesGrabados mensajes;
    naipalia::vista::Programa programa(carpetaPrograma, &mensajes, &base);

    QPointer<QWidget> registro;
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
        lista->setCurrentRow(0);
        QCoreApplication::processEvents();
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
    const auto& e = programa.juego().estado;
    EXPECT_EQ(e.NombreJugador, naipalia::NombreRelleno("Zoe O'Neil"));
    EXPECT_FALSE(e.SinRecuerdos);
    ASSERT_FALSE(mensajes.textos.empty());
    EXPECT_EQ(
        mensajes.textos.front(),
        "Tu nombre de jugador ha sido \"recordado\" con éxito. Se recomienda que tu nombre solo sea usado por ti.");
    std::vector<std::string> nombres;
    naipalia::FalloBase f;
    ASSERT_TRUE(base.base.leerJugadores(nombres, f));
    EXPECT_EQ(nombres, std::vector<std::string>{"Zoe O'Neil"});

    // His statistics, as the computer shows them before answering.
    for (int i = 0; i < 12; ++i)
        ASSERT_TRUE(base.agregarTanto({e.NombreJugador, "E", 20 + i, i % 4 == 0, i % 3 == 0}, f));
    auto& jugadores = programa.juego().jugadores;
    EXPECT_EQ(jugadores.ConsultarRecuerdos("E"), 12);
    jugadores.LlenarEstadistica();
    QPointer<QWidget> estadistica;
    QTimer::singleShot(0, [&] {
        estadistica = QApplication::activeModalWidget();
        if (!estadistica) return;
        guardar(estadistica, "estadistica.png");
        if (auto* aceptar = estadistica->findChild<QPushButton*>("BotonAceptar"))
            QTest::mouseClick(aceptar, Qt::LeftButton);
    });
    programa.juego().operacion.mostrarModal(programa.juego().estadistica);
    ASSERT_TRUE(estadistica);
    EXPECT_EQ(estadistica->windowTitle(), "Mis \"recuerdos\" estadísticos");
    EXPECT_FALSE(programa.juego().estadistica.cargada());
    programa.escena().destruirVentanas();
}

}  // namespace

int main(int argc, char* argv[]) {
    return naipalia::vista::prueba::CorrerPruebas(argc, argv, carpetaPrograma, carpetaArtefactos);
}
