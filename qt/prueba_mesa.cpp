// The desktop table on Qt's offscreen platform, driven as a player would: the menu, F5,
// the keyboard and the cards dragged with either button.
#include "game/tanto.h"
#include "qt/mensajes_qt.h"
#include "qt/prueba_principal.h"

namespace {

using namespace naipalia;
using namespace naipalia::vista;
using namespace naipalia::vista::prueba;

using MesaQt = PruebaMesa;

// The menus keep the models' marks and a letter once in each menu and on the table; F5
// deals; a card dragged with either button short of the table goes back to the hand.
TEST_F(MesaQt, LosMenusYElRepartoYUnaCartaArrastradaVuelveALaMano) {
    auto accion = [&](const Control& c) { return ventana().menus().accion(c); };
    // Choosing the checked entry again: Qt alone would take the mark away.
    accion(mesa().MenuMCompu)->trigger();
    accion(mesa().MenuMCompu)->trigger();
    EXPECT_TRUE(accion(mesa().MenuMCompu)->isChecked());
    EXPECT_FALSE(accion(mesa().MenuMAleatorio)->isChecked());
    // Either entry of a Sí/No pair flips the option.
    accion(mesa().MenuFlorOpcion(2))->trigger();
    EXPECT_TRUE(accion(mesa().MenuFlorOpcion(1))->isChecked());
    EXPECT_FALSE(accion(mesa().MenuFlorOpcion(2))->isChecked());
    EXPECT_EQ(accion(mesa().MenuNuevo)->shortcut(), QKeySequence(Qt::Key_F5));

    repartir();
    auto sinRepetir = [](const QStringList& textos) {
        QStringList letras;
        for (const QString& t : textos)
            if (const qsizetype i = t.indexOf('&'); i >= 0) letras << t.mid(i + 1, 1).toLower();
        return QSet<QString>(letras.begin(), letras.end()).size() == letras.size();
    };
    QStringList ventanaEntera;
    for (QAction* a : ventana().menuBar()->actions()) {
        ventanaEntera << a->text();
        QStringList entradas;
        for (QAction* e : a->menu() ? a->menu()->actions() : QList<QAction*>{}) entradas << e->text();
        EXPECT_TRUE(sinRepetir(entradas)) << entradas.join(" ").toStdString();
    }
    for (QPushButton* b : lienzo().findChildren<QPushButton*>()) ventanaEntera << b->text();
    EXPECT_TRUE(sinRepetir(ventanaEntera)) << ventanaEntera.join(" ").toStdString();
    EXPECT_EQ(widget(mesa().BotonMazo)->property("text").toString(), "&Mazo") << "the deck asks first: it has its key";

    EXPECT_TRUE(mensajes.textos.empty()) << mensajes.textos.front();
    Guardar(ventana().grab(), "mesa.png");

    // Pressed and dragged short of the place of hand 1, the card follows the pointer on
    // top of all, and back in the hand is still playable.
    const QRect casa = lugar(LeftMano[2], TopMano);
    const QPointF agarre = casa.center(), tomada = agarre - QPointF(5, 5);
    const QPointF destino = agarre - QPointF(1000, 1000) * lienzo().escala();
    for (const Qt::MouseButton boton : {Qt::RightButton, Qt::LeftButton}) {
        QWidget* carta = widgetCarta(2);
        arrastrar(boton, agarre, tomada, destino, false);
        EXPECT_NEAR(carta->geometry().center().x(), (destino + agarre - tomada).x(), 2) << boton;
        EXPECT_NEAR(carta->geometry().center().y(), (destino + agarre - tomada).y(), 2) << boton;
        EXPECT_EQ(lienzo().childAt(destino.toPoint()), carta) << "the dragged card is not on top";
        QTest::mouseRelease(ventana().windowHandle(), boton, {}, enVentana(destino));
        EXPECT_TRUE(QTest::qWaitFor([&] { return carta->geometry() == casa; }, 5000)) << boton;
        EXPECT_EQ(std::pair(programa.juego().ronda.ManoActual, mesa().BotonCarta(2).Enabled()), std::pair(1, true));
    }
}

// A won tanto not proven on the table: the end-of-round dialog says so in a line of its
// own, uncut, and offers showing the cards.
TEST_F(MesaQt, ElFinDeRondaPideMostrarLasCartasQueCertificanElTanto) {
    repartir();
    auto& juego = programa.juego();
    juego.estado.CadenaEnvido = Cadena::Envido;
    juego.estado.EnvidoQuerido = NivelQuerido(juego.estado.CadenaEnvido);
    juego.estado.GanadorEnvido = Lado::Jugador;
    juego.estado.TantoCantadoJugador = 33;
    QString foco, linea;
    bool cortada = true;
    juego.operacion.MensajeFinRonda("Me voy al mazo.");
    AlAbrir([&] { juego.operacion.mostrarModal(juego.finRonda); },
            [&](QWidget* modal) {
                QTest::qWait(50);
                if (QWidget* f = QApplication::focusWidget()) foco = f->objectName();
                if (auto* l = modal->findChild<QLabel*>("EtiquetaCertificar")) {
                    linea = l->text();
                    cortada = l->fontMetrics().horizontalAdvance(linea) > l->contentsRect().width() ||
                              !modal->rect().contains(EnSuVentana(l));
                }
                Guardar(modal->grab(), "fin-de-ronda-certificar.png");
                if (auto* b = modal->findChild<QPushButton*>("BotonMostrarCarta")) b->click();
            });
    EXPECT_EQ(foco, "BotonMostrarCarta");
    EXPECT_EQ(linea, "Mostrá tus cartas para certificar tu tanto.");
    EXPECT_FALSE(cortada);
}

TEST_F(MesaQt, LasCajasSiNoRespondenALaSYALaN) {
    MensajesQt cajas(programa.escena());
    for (const auto& [tecla, esperada] : {std::pair{Qt::Key_S, Respuesta::Si}, std::pair{Qt::Key_N, Respuesta::No},
                                          std::pair{Qt::Key_Return, Respuesta::No}}) {
        const Respuesta otra = esperada == Respuesta::Si ? Respuesta::No : Respuesta::Si;
        Respuesta dada = otra;
        QStringList textos;
        AlAbrir([&] { dada = cajas.mostrar("¿Querés?", Icono::Pregunta, Botones::SiNo, otra); },
                [&, tecla = tecla](QWidget* caja) {
                    for (QAbstractButton* b : qobject_cast<QMessageBox*>(caja)->buttons()) textos << b->text();
                    QTest::keyClick(caja, tecla);
                });
        EXPECT_EQ(dada, esperada) << "key " << tecla;
        EXPECT_EQ(textos, (QStringList{"&Sí", "&No"}));
    }
}

// Short of the player moving it (Tab, arrows, a click on a button), the keyboard rests on
// no button after each action, so a stray Enter or Space plays nothing; a dialog that only
// informs closes with Enter and with Escape.
TEST_F(MesaQt, TrasCadaAccionElTecladoNoQuedaEnUnBoton) {
    azar.repartos = {{36, 37, 38, 9, 30, 35}};
    QTimer llamadas;
    CadaVez(llamadas, [] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->objectName() != "FinJuegos")
            Responder(modal);
    });
    auto& juego = programa.juego();
    auto cerrarCon = [&](Qt::Key tecla, const std::function<void()>& abrir) {
        bool cerrado = false;
        AlAbrir([&] { programa.escena().despachar(abrir); },
                [&](QWidget* modal) {
                    // Once the player's keys reach it.
                    if (QTest::qWaitFor([&] { return modal->isAncestorOf(QApplication::focusWidget()); }, 1000))
                        QTest::keyClick(QApplication::focusWidget(), tecla);
                    cerrado = QTest::qWaitFor([&] { return !modal->isVisible(); }, 1000);
                    if (!cerrado) modal->findChild<QPushButton*>("BotonAceptar")->click();  // no hang
                });
        EXPECT_TRUE(cerrado) << "key " << tecla;
    };
    const auto misPartidas = [&] { juego.operacion.mostrarModal(juego.misPartidas); };
    const auto finJuegos = [&] { juego.ronda.SubFinJuego(); };
    const std::pair<std::string, std::function<void()>> acciones[] = {
        {"start-up", [] {}},
        {"F5", [&] { repartir(); }},
        {"a card clicked",
         [&] {
             QTest::mouseClick(widgetCarta(1), Qt::LeftButton);
             EXPECT_EQ(mesa().Carta(juego.estado.carta(1)).Top(), TopMesaJugador);
         }},
        {"Alt+2",
         [&] {
             QSignalSpy jugada(qobject_cast<QPushButton*>(widget(mesa().BotonCarta(2))), &QPushButton::clicked);
             QTest::keyClick(&ventana(), Qt::Key_2, Qt::AltModifier);
             EXPECT_TRUE(jugada.wait(1000));
         }},
        {"Mis partidas closed by Escape", [&] { cerrarCon(Qt::Key_Escape, misPartidas); }},
        {"Mis partidas closed by Enter", [&] { cerrarCon(Qt::Key_Return, misPartidas); }},
        {"the end of the game closed by Escape", [&] { cerrarCon(Qt::Key_Escape, finJuegos); }},
        {"the end of the game closed by Enter", [&] { cerrarCon(Qt::Key_Return, finJuegos); }},
    };
    for (const auto& [accion, hacer] : acciones) {
        hacer();
        teclasSueltasNoHacenNada(accion);
    }
}

// The about area opens over the table with the game menu off, and Escape sends it back
// to its corner.
TEST_F(MesaQt, ElAcercaDeSeAbreSobreLaMesaYEscapeLoCierra) {
    const auto& area = mesa().DisenoAcercade;
    programa.escena().despachar([&] { mesa().MenuAcerca.Click(); });
    auto* nuevo = ventana().findChild<QAction*>("MenuNuevo");
    auto* nombre = ventana().findChild<QLabel*>("EtiquetaNaipalia");
    ASSERT_TRUE(nuevo && nombre);
    EXPECT_EQ(std::pair(area.Left(), area.Top()), std::pair(100.0, 98.0));
    EXPECT_FALSE(mesa().MenuJuego.Enabled());
    EXPECT_FALSE(nuevo->isEnabled()) << "F5 would deal under the about area";
    EXPECT_TRUE(nombre->isVisible());
    Guardar(ventana().grab(), "acerca.png");

    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &lienzo(), Qt::Key_Escape);
    EXPECT_EQ(std::tuple(area.Left(), area.Top(), area.Width()), std::tuple(8370.0, 6225.0, 2730.0));
    EXPECT_EQ(std::tuple(mesa().MenuJuego.Enabled(), nuevo->isEnabled(), nombre->isVisible()),
              std::tuple(true, true, false));
}

// With animations the computer's card travels to its place; keys and clicks meanwhile
// change nothing, and the table ends as the models say.
TEST_F(MesaQt, ConAnimacionesLaEntradaEsperaYLaMesaQuedaComoLosModelos) {
    auto* animaciones = ventana().findChild<QAction*>("Animaciones");
    ASSERT_NE(animaciones, nullptr);
    animaciones->trigger();
    ASSERT_TRUE(programa.escena().animando());
    QTimer llamadas;
    CadaVez(llamadas, [] { Responder(QApplication::activeModalWidget()); });
    repartir(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lienzo().enMovimiento(); }, 5000)) << "the computer's lead was not shown";
    const std::string antes = foto();
    QTest::mouseClick(widgetCarta(1), Qt::LeftButton);
    for (const Qt::Key tecla : {Qt::Key_Return, Qt::Key_Space, Qt::Key_F5, Qt::Key_Right})
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &ventana(), tecla);
    EXPECT_TRUE(lienzo().enMovimiento());
    Guardar(ventana().grab(), "en-movimiento.png");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lienzo().enMovimiento(); }, 5000));
    EXPECT_EQ(foto(), antes) << "input during the move acted";
    for (int c = 0; c < 40; ++c) {
        const auto& carta = mesa().Carta(c);
        QWidget* w = widget(carta);
        EXPECT_EQ(w && w->isVisible(), carta.Visible()) << "card " << c;
        if (!carta.Visible()) continue;
        EXPECT_EQ(w->geometry(), lienzo().rectangulo(LeftDibujado(carta.Left(), carta.Top()), carta.Top(),
                                                     carta.Width(), carta.Height()))
            << "card " << c;
    }
    for (int s = 4; s <= 6; ++s) EXPECT_EQ(widget(mesa().CartaFondo(s))->isVisible(), mesa().CartaFondo(s).Visible());
    EXPECT_TRUE(ventana().menus().accion(mesa().MenuFin)->isEnabled()) << "the menus as the models say";
}

// Last: the close button asks first; No keeps the table, Yes ends the program, settling
// a round in progress in the end-of-round dialog.
TEST_F(MesaQt, CerrarLaMesaPreguntaYTerminaElPrograma) {
    EXPECT_FALSE(ventana().close());
    EXPECT_EQ(mensajes.textos.back(), "Gracias por usar Naipalia 2005.\r\n¿Deseas salir del programa?");
    EXPECT_EQ(std::pair(programa.escena().terminado(), mesa().cargada()), std::pair(false, true));

    mensajes.respuesta = Respuesta::Si;
    QTimer cierre;
    CadaVez(cierre, [] { Responder(QApplication::activeModalWidget()); });
    EXPECT_TRUE(ventana().close());
    EXPECT_EQ(std::pair(programa.escena().terminado(), mesa().cargada()), std::pair(true, false));
}

}  // namespace

int main(int argc, char* argv[]) { return naipalia::vista::prueba::Correr(argc, argv); }
