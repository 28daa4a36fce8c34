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

// At start-up the keyboard rests on no button; the menus keep the models' marks and a letter
// once in each menu and on the table; a card dragged short of the table goes back to the hand.
TEST_F(MesaQt, LosMenusYElRepartoYUnaCartaArrastradaVuelveALaMano) {
    teclasSueltasNoHacenNada("start-up");
    auto accion = [&](const Control& c) { return ventana().menus().accion(c); };
    // Choosing the checked entry again: Qt alone would take the mark away.
    accion(mesa().MenuMCompu)->trigger();
    accion(mesa().MenuMCompu)->trigger();
    EXPECT_TRUE(accion(mesa().MenuMCompu)->isChecked());
    EXPECT_FALSE(accion(mesa().MenuMAleatorio)->isChecked());

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

    // Pressed and dragged short of the place of hand 1, the card follows the pointer on
    // top of all, and back in the hand is still playable.
    const QRect casa = lugar(LeftMano[2], TopMano);
    const QPointF agarre = casa.center(), tomada = agarre - QPointF(5, 5);
    const QPointF destino = agarre - QPointF(1000, 1000) * lienzo().escala();
    for (const Qt::MouseButton boton : {Qt::RightButton, Qt::LeftButton}) {
        QWidget* carta = widgetCarta(2);
        arrastrar(boton, agarre, tomada, destino);
        EXPECT_LE((carta->geometry().center() - (destino + agarre - tomada)).manhattanLength(), 3) << boton;
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
    QString foco, linea, cortados = "-";
    juego.operacion.MensajeFinRonda("Me voy al mazo.");
    AlAbrir([&] { juego.operacion.mostrarModal(juego.finRonda); },
            [&](QWidget* modal) {
                QTest::qWait(50);
                if (QWidget* f = QApplication::focusWidget()) foco = f->objectName();
                if (auto* l = modal->findChild<QLabel*>("EtiquetaCertificar"))
                    linea = modal->rect().contains(EnSuVentana(l)) ? l->text() : "outside the dialog";
                cortados = Cortados(modal).join(" | ");
                Guardar(modal->grab(), "fin-de-ronda-certificar.png");
                if (auto* b = modal->findChild<QPushButton*>("BotonMostrarCarta")) b->click();
            });
    EXPECT_EQ(std::tuple(foco.toStdString(), linea.toStdString(), cortados.toStdString()),
              std::tuple("BotonMostrarCarta", "Mostrá tus cartas para certificar tu tanto.", ""));
}

// With animations the computer's card travels to its place, and the table ends as the
// models say.
TEST_F(MesaQt, ConAnimacionesLaMesaQuedaComoLosModelos) {
    ventana().menus().animaciones()->trigger();
    ASSERT_TRUE(programa.escena().animando());
    QTimer llamadas;
    // It leads after a pause, its three backs still in its hand.
    bool pausa = false;
    CadaVez(llamadas, [&] {
        Responder(QApplication::activeModalWidget());
        const auto dorso = [&](int s) {
            return widget(mesa().CartaFondo(s)) && widget(mesa().CartaFondo(s))->isVisible();
        };
        if (lienzo().enMovimiento() && dorso(4) && dorso(5) && dorso(6)) pausa = true;
    });
    repartir(false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return lienzo().enMovimiento(); }, 5000)) << "the computer's lead was not shown";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lienzo().enMovimiento(); }, 5000));
    EXPECT_TRUE(pausa) << "the computer led without a pause";
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

// The desktop's keys reach their entries, F11 takes the table to full screen and back;
// none acts under a dialog, nor on the menus the about area turns off; Escape sends that
// area back to its corner.
TEST_F(MesaQt, LosAtajosDeEscritorioLleganASuEntradaYSoloEnLaMesa) {
    std::string llamadas;
    for (Control* c : {&mesa().MenuAyuda, &mesa().MenuNuevo, &mesa().MenuSalir})
        c->Click = [&llamadas, c] { llamadas += c->nombre() + " "; };
    const auto pulsar = [](QWidget* destino) {
        for (const QKeySequence& atajo : {QKeySequence(Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_N),
                                          QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_Q)})
            QTest::keySequence(destino, atajo);
    };
    pulsar(&ventana());
    EXPECT_EQ(llamadas, "MenuAyuda MenuNuevo MenuNuevo MenuSalir ");
    for (const bool completa : {true, false}) {
        QTest::keyClick(&ventana(), Qt::Key_F11);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ventana().isFullScreen() == completa; }, 2000)) << completa;
        EXPECT_EQ(ventana().menus().pantallaCompleta()->isChecked(), completa);
    }

    llamadas.clear();
    AlAbrir([&] { programa.juego().operacion.mostrarModal(programa.juego().misPartidas); },
            [&](QWidget* modal) {
                pulsar(FocoEn(modal));
                for (const Qt::Key tecla : {Qt::Key_F11, Qt::Key_Escape}) QTest::keyClick(Foco(modal), tecla);
            });
    programa.escena().despachar([&] { mesa().MenuAcerca.Click(); });
    auto* nombre = ventana().findChild<QLabel*>("EtiquetaNaipalia");
    ASSERT_NE(nombre, nullptr);
    const auto acercaDe = [&] {
        const auto& area = mesa().DisenoAcercade;
        return std::tuple(area.Left(), area.Top(), mesa().MenuJuego.Enabled(), nombre->isVisible());
    };
    EXPECT_EQ(acercaDe(), std::tuple(100.0, 98.0, false, true));
    pulsar(&ventana());
    EXPECT_EQ(llamadas, "MenuAyuda ") << "a key acted under a dialog or on a disabled menu";
    EXPECT_FALSE(ventana().isFullScreen());
    QTest::keyClick(Foco(&lienzo()), Qt::Key_Escape);
    EXPECT_EQ(acercaDe(), std::tuple(8370.0, 6225.0, true, false));
}

// A kept window comes back whole on the screen holding most of it, never larger.
TEST(Preferencias, UnaVentanaGuardadaVuelveEnteraALaPantalla) {
    const QRect pantalla(0, 0, 1280, 800), otra(1280, 0, 1024, 768);
    const std::tuple<const char*, QRect, QRect> filas[] = {
        {"inside, as kept", QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)},
        {"off to the right and above", QRect(5000, -900, 800, 600), QRect(1280 - 4 - 800, 30, 800, 600)},
        {"larger than the screen", QRect(-50, 0, 4000, 3000), QRect(4, 30, 1280 - 8, 800 - 34)},
        {"smaller than its least", QRect(10, 40, 50, 20), QRect(10, 40, 400, 300)},
        {"mostly on the other screen", QRect(1200, 100, 800, 600), QRect(1284, 100, 800, 600)},
    };
    for (const auto& [caso, guardada, esperada] : filas)
        EXPECT_EQ(Encajar(guardada, {pantalla, otra}, QMargins(4, 30, 4, 4), QSize(400, 300)), esperada) << caso;
}

// What the player chose comes back before the first game and is kept as it changes: the
// animations, the volume, the options only the menus keep, the window inside the screen.
// A broken settings file, or a folder in its place, is as none.
TEST_F(MesaQt, LasPreferenciasVuelvenYSeGuardanAlCambiar) {
    QTemporaryDir carpeta;
    const QString archivo = carpeta.filePath("preferencias.ini");
    std::vector<Opcion> soloMenus;
    for (const DatosOpcion& d : Opciones)
        if (!d.columna) soloMenus.push_back(d.opcion);
    const auto clave = [&](Opcion o) {
        return "opciones/" + QString::fromStdString(mesa().menuDe(o)(Naipalia::itemSi(o)).padre);
    };
    const auto ahora = [&] {
        std::vector<int> v{programa.escena().animando(), qRound(programa.sonidos().volumen() * 100)};
        for (const Opcion o : soloMenus) v.push_back(mesa().opcion(o));
        return v;
    };
    const auto guardadas = [&] {
        const QSettings leidas(archivo, QSettings::IniFormat);
        std::vector<int> v{leidas.value("animaciones").toBool(), leidas.value("volumen").toInt()};
        for (const Opcion o : soloMenus) v.push_back(leidas.value(clave(o)).toBool());
        return v;
    };
    const std::vector<int> iniciales = ahora();
    const QRect dondeEstaba = ventana().geometry();
    QFile roto(archivo);
    ASSERT_TRUE(roto.open(QIODevice::WriteOnly) && roto.write(QByteArray("\x00\xff[[[=\n\x01volumen=@Rect(\n", 24)));
    roto.close();
    Preferencias(archivo).aplicar(programa);
    ASSERT_TRUE(QFile::remove(archivo) && QDir().mkpath(archivo));
    Preferencias(archivo).aplicar(programa);
    ASSERT_TRUE(QDir(archivo).removeRecursively());
    EXPECT_EQ(std::pair(ahora(), ventana().geometry()), std::pair(iniciales, dondeEstaba));

    std::vector<int> cambiadas{true, 50};
    {
        QSettings escritas(archivo, QSettings::IniFormat);
        escritas.setValue("animaciones", true);
        escritas.setValue("volumen", 50);
        escritas.setValue("ventana/lugar", QRect(9000, -9000, 9000, 9000));
        for (const Opcion o : soloMenus) {
            escritas.setValue(clave(o), !mesa().opcion(o));
            cambiadas.push_back(!mesa().opcion(o));
        }
    }
    Preferencias preferencias(archivo);
    preferencias.aplicar(programa);
    EXPECT_EQ(ahora(), cambiadas);
    EXPECT_TRUE(ventana().screen()->availableGeometry().contains(ventana().geometry()));

    // Either entry of a Sí/No pair flips the option.
    for (const Opcion o : soloMenus) ventana().menus().accion(mesa().menuDe(o)(1))->trigger();
    ventana().menus().animaciones()->trigger();
    ventana().menus().volumen().front()->trigger();
    std::vector<int> elegidas = iniciales;
    elegidas[1] = NivelesVolumen[0];
    EXPECT_EQ(guardadas(), elegidas);
    EXPECT_EQ(ahora(), elegidas) << "the volume the sounds play at";
}

}  // namespace

int main(int argc, char* argv[]) { return naipalia::vista::prueba::Correr(argc, argv); }
