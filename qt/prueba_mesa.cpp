// The desktop table on Qt's offscreen platform, driven as a player would: the menu, F5,
// the keyboard and the cards dragged with either button.
#include "game/tanto.h"
#include "qt/mensajes_qt.h"
#include "qt/preferencias.h"
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

// The desktop's keys reach their entries (F5 and Ctrl+N the same one), F11 takes the table
// to full screen and back; none acts under a dialog, nor on a disabled menu.
TEST_F(MesaQt, LosAtajosDeEscritorioLleganASuEntradaYSoloEnLaMesa) {
    std::map<std::string, int> llamadas;
    for (Control* c : {&mesa().MenuAyuda, &mesa().MenuNuevo, &mesa().MenuSalir})
        c->Click = [&llamadas, c] { ++llamadas[c->nombre()]; };
    const std::pair<QKeySequence, std::string> atajos[] = {
        {QKeySequence(Qt::Key_F1), "MenuAyuda"},
        {QKeySequence(Qt::CTRL | Qt::Key_N), "MenuNuevo"},
        {QKeySequence(Qt::Key_F5), "MenuNuevo"},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), "MenuSalir"},
    };
    for (const auto& [atajo, entrada] : atajos) {
        llamadas.clear();
        QTest::keySequence(&ventana(), atajo);
        EXPECT_EQ(llamadas, (std::map<std::string, int>{{entrada, 1}})) << atajo.toString().toStdString();
    }
    for (const bool completa : {true, false}) {
        QTest::keyClick(&ventana(), Qt::Key_F11);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ventana().isFullScreen() == completa; }, 2000)) << completa;
        EXPECT_EQ(ventana().menus().pantallaCompleta()->isChecked(), completa);
    }

    llamadas.clear();
    const auto todos = [&](QWidget* destino) {
        for (const auto& [atajo, entrada] : atajos) QTest::keySequence(destino, atajo);
        QTest::keyClick(destino, Qt::Key_F11);
    };
    AlAbrir([&] { programa.juego().operacion.mostrarModal(programa.juego().misPartidas); },
            [&](QWidget* modal) {
                EXPECT_TRUE(QTest::qWaitFor([&] { return modal->isAncestorOf(QApplication::focusWidget()); }, 1000));
                todos(QApplication::focusWidget() ? QApplication::focusWidget() : modal);
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : modal, Qt::Key_Escape);
            });
    programa.escena().despachar([&] { mesa().MenuJuego.Enabled(false); });
    QTest::keySequence(&ventana(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(llamadas, (std::map<std::string, int>{})) << "a key acted under a dialog or on a disabled menu";
    EXPECT_FALSE(ventana().isFullScreen());
}

// A kept window comes back whole on the screen holding most of it, never larger.
TEST(Preferencias, UnaVentanaGuardadaVuelveEnteraALaPantalla) {
    const QRect pantalla(0, 0, 1280, 800), otra(1280, 0, 1024, 768);
    const QMargins marco(4, 30, 4, 4);
    const QSize minimo(400, 300);
    const std::tuple<const char*, QRect, QRect> filas[] = {
        {"inside, as kept", QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)},
        {"off to the right and above", QRect(5000, -900, 800, 600), QRect(1280 - 4 - 800, 30, 800, 600)},
        {"larger than the screen", QRect(-50, 0, 4000, 3000), QRect(4, 30, 1280 - 8, 800 - 34)},
        {"smaller than its least", QRect(10, 40, 50, 20), QRect(10, 40, 400, 300)},
        {"mostly on the other screen", QRect(1200, 100, 800, 600), QRect(1284, 100, 800, 600)},
    };
    for (const auto& [caso, guardada, esperada] : filas)
        EXPECT_EQ(Encajar(guardada, {pantalla, otra}, marco, minimo), esperada) << caso;
}

// What the player chose comes back before the first game and is kept as it changes: the
// options only the menus keep, the animations, the volume and the window inside the
// screen. A broken settings file, or a folder in its place, is as none.
TEST_F(MesaQt, LasPreferenciasVuelvenYSeGuardanAlCambiar) {
    QTemporaryDir carpeta;
    const QString archivo = QDir(carpeta.path()).filePath("preferencias.ini");
    std::vector<Opcion> soloMenus;
    for (const DatosOpcion& d : Opciones)
        if (!d.columna) soloMenus.push_back(d.opcion);
    std::vector<bool> iniciales;
    for (const Opcion o : soloMenus) iniciales.push_back(mesa().opcion(o));
    const auto clave = [&](Opcion o) {
        return "opciones/" + QString::fromStdString(mesa().menuDe(o)(Naipalia::itemSi(o)).padre);
    };
    const auto opciones = [&] {
        std::vector<bool> v;
        for (const Opcion o : soloMenus) v.push_back(mesa().opcion(o));
        return v;
    };

    for (const QByteArray& roto : {QByteArray("\x00\xff[[[=\n\x01volumen=@Rect(\n"), QByteArray()}) {
        if (roto.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(archivo));
        } else {
            QFile f(archivo);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(roto);
        }
        const QRect antes = ventana().geometry();
        Preferencias(archivo).aplicar(programa);
        EXPECT_EQ(opciones(), iniciales);
        EXPECT_EQ(std::tuple(programa.escena().animando(), programa.sonidos().volumen(), ventana().geometry()),
                  std::tuple(false, 1.0f, antes));
        QDir(archivo).removeRecursively();
        QFile::remove(archivo);
    }

    {
        QSettings guardadas(archivo, QSettings::IniFormat);
        for (std::size_t i = 0; i < soloMenus.size(); ++i) guardadas.setValue(clave(soloMenus[i]), !iniciales[i]);
        guardadas.setValue("animaciones", true);
        guardadas.setValue("volumen", 50);
        guardadas.setValue("ventana/lugar", QRect(9000, -9000, 9000, 9000));
    }
    Preferencias preferencias(archivo);
    preferencias.aplicar(programa);
    std::vector<bool> cambiadas;
    for (const bool b : iniciales) cambiadas.push_back(!b);
    EXPECT_EQ(opciones(), cambiadas);
    EXPECT_EQ(std::pair(programa.escena().animando(), programa.sonidos().volumen()), std::pair(true, 0.5f));
    EXPECT_TRUE(ventana().screen()->availableGeometry().contains(ventana().geometry()))
        << ventana().geometry().x() << "," << ventana().geometry().y() << " " << ventana().geometry().width();

    BarraMenus& menus = ventana().menus();
    for (const Opcion o : soloMenus) menus.accion(mesa().menuDe(o)(1))->trigger();
    menus.animaciones()->trigger();
    menus.volumen().front()->trigger();
    const QSettings leidas(archivo, QSettings::IniFormat);
    for (std::size_t i = 0; i < soloMenus.size(); ++i)
        EXPECT_EQ(leidas.value(clave(soloMenus[i])).toBool(), iniciales[i]) << clave(soloMenus[i]).toStdString();
    EXPECT_EQ(
        std::tuple(leidas.value("animaciones").toBool(), leidas.value("volumen").toInt(), programa.sonidos().volumen()),
        std::tuple(false, NivelesVolumen[0], NivelesVolumen[0] / 100.0f));
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
