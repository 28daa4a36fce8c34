// The desktop table on Qt's offscreen platform, driven as a player would: the menu,
// F5, and a card dragged with the right button.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <string>
#include <vector>

#include "game/mesa.h"
#include "qt/lienzo.h"
#include "qt/menus_qt.h"
#include "qt/programa.h"
#include "qt/ventana_principal.h"
#include "shell/naipalia.h"

namespace {

QString carpetaPrograma;
QString carpetaArtefactos;

using naipalia::AltoCarta;
using naipalia::AnchoCarta;

// A real box would wait for a player who is not there: record the text and say No.
class MensajesGrabados : public naipalia::Mensajes {
public:
    naipalia::Respuesta mostrar(const std::string& texto, naipalia::Icono, naipalia::Botones botones,
                                naipalia::Respuesta) override {
        textos.push_back(texto);
        return botones == naipalia::Botones::SiNo ? naipalia::Respuesta::No : naipalia::Respuesta::Aceptar;
    }
    std::vector<std::string> textos;
};

// A dialog whose button hides it and then asks a question, as the game's dialogs do.
class DialogoQuePregunta : public naipalia::Ventana {
public:
    explicit DialogoQuePregunta(naipalia::Mensajes& mensajes) : Ventana("DialogoQuePregunta") {
        forma().diseno().Caption = "Naipalia";
        forma().diseno().Width = 3000;
        forma().diseno().Height = 1500;
        auto& b = Boton.diseno();
        b.Caption = "&Aceptar";
        b.Left = 900;
        b.Top = 600;
        b.Width = 1200;
        b.Height = 420;
        Boton.Click = [this, &mensajes] {
            Hide();
            pasos.push_back("oculto");
            mensajes.mostrar("¿Otra vez?", naipalia::Icono::Pregunta, naipalia::Botones::SiNo);
            pasos.push_back("preguntado");
        };
        terminarDiseno();
    }
    naipalia::Control Boton{*this, "Boton", naipalia::TipoControl::Boton};
    std::vector<std::string> pasos;
};

// Answers after a nested event loop, as a real message box would.
class MensajesConEspera : public MensajesGrabados {
public:
    naipalia::Respuesta mostrar(const std::string& texto, naipalia::Icono icono, naipalia::Botones botones,
                                naipalia::Respuesta porDefecto) override {
        QTest::qWait(50);
        return MensajesGrabados::mostrar(texto, icono, botones, porDefecto);
    }
};

class MesaQt : public ::testing::Test {
protected:
    void SetUp() override {
        programa.juego().arrancar();
        ventana().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ventana()));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana()));
    }

    naipalia::vista::VentanaPrincipal& ventana() { return *programa.escena().principal(); }
    naipalia::vista::Lienzo& lienzo() { return ventana().lienzo(); }
    naipalia::Naipalia& mesa() { return programa.juego().naipalia; }
    QWidget* widget(const naipalia::Control& c) { return lienzo().widgetDe(c); }
    QRect lugar(double left, double top) { return lienzo().rectangulo(left, top, AnchoCarta, AltoCarta); }
    QPoint enVentana(QPointF enLienzo) { return lienzo().mapTo(&ventana(), enLienzo.toPoint()); }

    // The player leads, so the computer has played nothing when the deal is seen.
    void repartirSiendoMano() {
        ventana().menus().accion(mesa().MenuMJugador)->trigger();
        ASSERT_TRUE(mesa().MenuMJugador.Checked());
        QTest::keyClick(&ventana(), Qt::Key_F5);
        QCoreApplication::processEvents();
        ASSERT_TRUE(mesa().MenuFin.Enabled()) << "F5 did not start a game";
    }

    MensajesGrabados mensajes;
    MensajesConEspera espera;
    // A window model outlives the program's windows, as the game's own do.
    DialogoQuePregunta dialogo{espera};
    naipalia::vista::Programa programa{carpetaPrograma, &mensajes};
};

TEST_F(MesaQt, F5RepartePoniendoLasTresCartasDelJugadorYTresDorsos) {
    repartirSiendoMano();
    const auto& e = programa.juego().estado;
    for (int s = 1; s <= 3; ++s) {
        QWidget* carta = widget(mesa().Carta(e.carta(s)));
        ASSERT_NE(carta, nullptr);
        EXPECT_TRUE(carta->isVisible()) << "slot " << s;
        EXPECT_EQ(carta->geometry(), lugar(naipalia::LeftMano[static_cast<std::size_t>(s)], naipalia::TopMano));
        // The face was painted: a blank or failed picture has next to no colours.
        const QImage dibujo = carta->grab().toImage();
        QSet<QRgb> colores;
        for (int y = 0; y < dibujo.height(); y += 2)
            for (int x = 0; x < dibujo.width(); x += 2) colores.insert(dibujo.pixel(x, y));
        EXPECT_GT(colores.size(), 20) << "slot " << s;
    }
    for (int s = 4; s <= 6; ++s) {
        EXPECT_TRUE(widget(mesa().CartaFondo(s))->isVisible()) << "back " << s;
        const QWidget* oculta = widget(mesa().Carta(e.carta(s)));
        EXPECT_TRUE(!oculta || !oculta->isVisible()) << "computer's card " << s;
    }
    EXPECT_TRUE(mensajes.textos.empty()) << mensajes.textos.front();

    ASSERT_TRUE(QDir().mkpath(carpetaArtefactos));
    EXPECT_TRUE(ventana().grab().save(QDir(carpetaArtefactos).filePath("mesa.png")));
}

TEST_F(MesaQt, UnaCartaArrastradaFueraDeSuLugarVuelveALaMano) {
    repartirSiendoMano();
    QWidget* carta = widget(mesa().Carta(programa.juego().estado.carta(2)));
    const QRect casa = lugar(naipalia::LeftMano[2], naipalia::TopMano);
    QWindow* ventanaQt = ventana().windowHandle();

    // Up and left by 1000 twips: over the table but short of the place of hand 1.
    const QPointF agarre = casa.center();
    const QPointF destino = agarre - QPointF(1000, 1000) * lienzo().escala();
    // The card takes hold where the first move finds the pointer, then follows it.
    const QPointF tomada = agarre - QPointF(5, 5);
    QTest::mousePress(ventanaQt, Qt::RightButton, {}, enVentana(agarre));
    QTest::mouseMove(ventanaQt, enVentana(tomada));
    QTest::mouseMove(ventanaQt, enVentana(destino));
    const QPointF centro = destino + (agarre - tomada);
    EXPECT_NEAR(carta->geometry().center().x(), centro.x(), 2);
    EXPECT_NEAR(carta->geometry().center().y(), centro.y(), 2);
    EXPECT_EQ(lienzo().childAt(destino.toPoint()), carta) << "the dragged card is not on top";

    QTest::mouseRelease(ventanaQt, Qt::RightButton, {}, enVentana(destino));
    EXPECT_TRUE(QTest::qWaitFor([&] { return carta->geometry() == casa; }, 5000))
        << "the card stopped at " << carta->geometry().x() << "," << carta->geometry().y();
    EXPECT_EQ(mesa().ManoActual, 1);
    EXPECT_TRUE(mesa().BotonCarta(2).Enabled());
}

TEST_F(MesaQt, LasMarcasDelMenuSonLasQueDiceElModelo) {
    auto accion = [&](const naipalia::Control& c) { return ventana().menus().accion(c); };
    // Choosing the checked entry again: Qt alone would take the mark away.
    accion(mesa().MenuMJugador)->trigger();
    accion(mesa().MenuMJugador)->trigger();
    EXPECT_TRUE(accion(mesa().MenuMJugador)->isChecked());
    EXPECT_FALSE(accion(mesa().MenuMAleatorio)->isChecked());
    // Either entry of a Sí/No pair flips the option.
    accion(mesa().MenuFlorOpcion(2))->trigger();
    EXPECT_TRUE(accion(mesa().MenuFlorOpcion(1))->isChecked());
    EXPECT_FALSE(accion(mesa().MenuFlorOpcion(2))->isChecked());
    EXPECT_EQ(accion(mesa().MenuNuevo)->shortcut(), QKeySequence(Qt::Key_F5));
}

TEST_F(MesaQt, UnDialogoQueElModeloOcultaVuelveCuandoTerminaSuManejador) {
    QPointer<QWidget> visto;
    QTimer::singleShot(0, [&] {
        visto = QApplication::activeModalWidget();
        if (!visto) return;
        if (auto* boton = visto->findChild<QPushButton*>("Boton")) QTest::mouseClick(boton, Qt::LeftButton);
    });
    // A dialog that never closes would hang the test: it is taken down from outside then.
    QTimer::singleShot(5000, [&] {
        dialogo.pasos.push_back("vencido");
        dialogo.Hide();
        if (QWidget* modal = QApplication::activeModalWidget()) modal->hide();
    });
    programa.juego().mostrarModal(dialogo);
    dialogo.pasos.push_back("volvió");
    ASSERT_TRUE(visto);
    EXPECT_EQ(visto->windowTitle(), "Naipalia");
    EXPECT_FALSE(visto->isVisible());
    EXPECT_EQ(dialogo.pasos, (std::vector<std::string>{"oculto", "preguntado", "volvió"}));
}

// Last: the program has ended after it.
TEST_F(MesaQt, CerrarLaMesaDescargaElModeloYTerminaElPrograma) {
    EXPECT_TRUE(ventana().close());
    EXPECT_TRUE(programa.escena().terminado());
    EXPECT_FALSE(mesa().cargada());
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s <carpeta del programa> <carpeta de artefactos>\n", argv[0]);
        return 2;
    }
    carpetaPrograma = QString::fromLocal8Bit(argv[1]);
    carpetaArtefactos = QString::fromLocal8Bit(argv[2]);
    naipalia::vista::PrepararAplicacion(carpetaPrograma);
    return RUN_ALL_TESTS();
}
