// Rounds played as a player would on a 1280-wide screen, at the scale factor given on the
// command line, with the game's own message boxes: the keyboard's focus, the drop place
// shown while dragging, the order of the cards on the table, the winner of each hand,
// where every dialog and box opens while the computer calls envido, truco and flor, and
// every text whole in its control. A picture of each stage goes to the artifacts folder.
#include "game/nombres.h"
#include "qt/anotador_qt.h"
#include "qt/controles_qt.h"
#include "qt/prueba_principal.h"

namespace {

using namespace naipalia;
using namespace naipalia::vista;
using namespace naipalia::vista::prueba;

class RondaQt : public PruebaMesa {
protected:
    RondaQt() : PruebaMesa(carpetaPrograma, true) {}
    // A small screen's warning at start-up answered.
    void SetUp() override {
        QTimer arranque;
        CadaVez(arranque, [this] { contestar(QApplication::activeModalWidget()); });
        PruebaMesa::SetUp();
    }

    // The screen as the player sees it: the table and the dialog in front, where they lie.
    QPixmap pantalla() {
        const QRect libre = ventana().screen()->geometry();
        QPixmap todo(libre.size());
        todo.fill(QColor(0x30, 0x30, 0x38));
        QPainter pintor(&todo);
        for (QWidget* w : {static_cast<QWidget*>(&ventana()), QApplication::activeModalWidget()})
            if (w) pintor.drawPixmap(w->mapToGlobal(QPoint(0, 0)) - libre.topLeft(), w->grab());
        return todo;
    }

    const Control* cartaEn(double left, double top) {
        for (int c = 0; c < 40; ++c)
            if (const Control& carta = mesa().Carta(c); carta.Visible() && carta.Left() == left && carta.Top() == top)
                return &carta;
        return nullptr;
    }

    // Once both cards of a hand are down: neither hides part of the other, each lies over
    // those put down before it, and the winner shows its mark.
    void revisarMano(int h) {
        const auto i = static_cast<std::size_t>(h);
        const Control* jugador = cartaEn(LeftMesaJugador[i], TopMesaJugador);
        const Control* compu = cartaEn(LeftMesaCompu[i], TopMesaCompu);
        const std::string& ganador = mesa().TextoMano(h).Text();
        if (!jugador || !compu || ganador.empty() || revisadas_[i]) return;
        revisadas_[i] = true;
        EXPECT_FALSE(widget(*jugador)->geometry().intersects(widget(*compu)->geometry())) << "hand " << h;
        const QObjectList orden = widget(*jugador)->parentWidget()->children();
        for (const Control* antes :
             {cartaEn(LeftMesaJugador[i - 1], TopMesaJugador), cartaEn(LeftMesaCompu[i - 1], TopMesaCompu)})
            for (const Control* ahora : {jugador, compu})
                EXPECT_TRUE(h == 1 || !antes || orden.indexOf(widget(*antes)) < orden.indexOf(widget(*ahora)))
                    << "hand " << h;
        auto marcada = [&](const Control* c) { return dynamic_cast<ImagenQt*>(widget(*c))->marcada(Marca::Ganadora); };
        EXPECT_EQ(marcada(compu), ganador == NombreComputadora || ganador == PalabraIguales) << "hand " << h;
        EXPECT_EQ(marcada(jugador), ganador != NombreComputadora) << "hand " << h;
        if (h == 1) Guardar(pantalla(), "3-mano-decidida.png");
    }

    // No dialog or box hides the player's unplayed cards nor the hand in dispute (every
    // card at the end of the round, which must also leave the hands' places clear).
    void revisarQueNoTapa(QWidget* modal) {
        const QRect caja = modal->frameGeometry();
        const bool finRonda = modal->objectName() == "FinRonda";
        const std::string nombre = modal->objectName().toStdString() + " " + modal->windowTitle().toStdString();
        for (const QRect& carta : lienzo().cartasEnJuego(finRonda || programa.escena().enFinDeRonda()))
            EXPECT_FALSE(caja.intersects(carta)) << nombre << " hides a card";
        EXPECT_TRUE(ventana().screen()->availableGeometry().contains(caja)) << nombre << " leaves the screen";
        EXPECT_EQ(Cortados(modal).join(" | ").toStdString(), "") << nombre;
        if (!finRonda || modal == finRondaVisto_) return;
        finRondaVisto_ = modal;
        EXPECT_LE(caja.width(), ventana().frameGeometry().width()) << "the dialog is wider than the table";
        const double izquierda = LeftDibujado(LeftMesaCompu[1], TopMesaCompu);
        const double derecha = LeftDibujado(LeftMesaJugador[3], TopMesaJugador) + AnchoCarta;
        const QRect manos = lienzo().rectangulo(izquierda, TopMesaCompu, derecha - izquierda,
                                                TopMesaJugador + AltoCarta - TopMesaCompu);
        EXPECT_FALSE(caja.intersects(QRect(lienzo().mapToGlobal(manos.topLeft()), manos.size()))) << "covers the hands";
        // A box that fits beside it leaves the anotador, which explains the round's points, in sight.
        const QWidget* anotador = programa.escena().principal()->anotador();
        const QRect notas(anotador->mapToGlobal(QPoint()), anotador->size());
        const bool cabeAlLado = caja.width() < notas.left() - ventana().frameGeometry().left();
        EXPECT_FALSE(cabeAlLado && caja.intersects(notas)) << "covers the anotador";
        auto* proxima = modal->findChild<QPushButton*>("BotonMesa");
        ASSERT_NE(proxima, nullptr);
        EXPECT_TRUE(modal->rect().contains(EnSuVentana(proxima)));
        for (int h = 1; h <= 3; ++h) revisarMano(h);
        if (++rondas_ == 1) Guardar(pantalla(), "4-fin-de-ronda.png");
    }

    // Looks at what is on the table, then answers the box or dialog in front.
    void asistir() {
        for (int h = 1; h <= 3; ++h) revisarMano(h);
        if (finRondaVisto_ && !finRondaVisto_->isVisible()) finRondaVisto_ = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        revisarQueNoTapa(modal);
        contestar(modal);
    }
    void contestar(QWidget* modal) {
        if (!modal || !modal->isVisible()) return;
        auto* caja = qobject_cast<QMessageBox*>(modal);
        vistos.insert(caja ? caja->text() : modal->objectName());
        if (!caja) return (void)Responder(modal);
        for (QAbstractButton* b : caja->buttons())
            if (b->text() == (respuesta == Respuesta::Si ? "&Sí" : "&No") || b->text() == "Aceptar") b->click();
    }

    Respuesta respuesta = Respuesta::No;
    QSet<QString> vistos;  // the dialogs and boxes answered
    std::array<bool, 4> revisadas_{};
    QPointer<QWidget> finRondaVisto_;
    int rondas_ = 0;
};

// Rounds with flor on until the computer has called envido, truco and flor: the first
// card dragged with the right button, the rest played with the keyboard. The player holds
// the 4s of espada, copa and basto; the computer 33 of tanto (7 and 6 of espada) with the
// 1 of basto, then, mano, flor of espada (1, 7, 3).
TEST_F(RondaQt, RondasJugadasConElTecladoYArrastrando) {
    azar.repartos = {{36, 37, 38, 2, 29, 1}, {36, 37, 38, 0, 2, 5}};
    ventana().menus().accion(mesa().MenuFlorOpcion(1))->trigger();
    ASSERT_TRUE(mesa().MenuFlorOpcion(1).Checked());
    repartir();
    Guardar(ventana().grab(), "1-reparto.png");
    QTimer asistente;
    CadaVez(asistente, [this] { asistir(); });

    // Held by its middle, carried off the place accepted for hand 1 and then into it, its
    // corner in the middle of that place.
    const Control& carta = mesa().Carta(programa.juego().estado.carta(1));
    const QPointF agarre = lugar(LeftMano[1], TopMano).center(), tomada = agarre - QPointF(4, 4);
    const QPointF esquina((ZonasJugada[1].desde + ZonasJugada[1].hasta) / 2, (TopZonaDesde + TopZonaHasta) / 2);
    const QPointF dentro = tomada + (esquina - QPointF(carta.Left(), carta.Top())) * lienzo().escala();
    arrastrar(Qt::RightButton, agarre, tomada, dentro + QPointF(900, 300) * lienzo().escala());
    ASSERT_NE(lienzo().zona(), nullptr) << "no outline while dragging";
    EXPECT_TRUE(lienzo().zona()->isVisible());
    EXPECT_FALSE(lienzo().zona()->encendida()) << "lit while a release would not be accepted";
    QTest::mouseMove(ventana().windowHandle(), enVentana(dentro));
    EXPECT_TRUE(lienzo().zona()->isVisible());
    EXPECT_TRUE(lienzo().zona()->encendida()) << "not lit while a release would be accepted";
    EXPECT_TRUE(widget(mesa().DisenoMesa)->geometry().contains(lienzo().zona()->geometry())) << "outline off the felt";
    Guardar(ventana().grab(), "2-arrastre.png");
    QTest::mouseRelease(ventana().windowHandle(), Qt::RightButton, {}, enVentana(dentro));
    EXPECT_FALSE(lienzo().zona()->isVisible());
    EXPECT_EQ(carta.Top(), TopMesaJugador) << "the card dropped in the outline was not played";

    auto llamadasVistas = [&] {
        return vistos.contains("Tanto") && vistos.contains("CantoTrucos") && vistos.contains("Flores");
    };
    for (int jugadas = 0; jugadas < 60 && !(llamadasVistas() && rondas_ > 1); ++jugadas) {
        ASSERT_FALSE(programa.juego().estado.FinJuego)
            << "the game ended first " << rondas_ << " "
            << QStringList(vistos.begin(), vistos.end()).join(", ").toStdString();
        ASSERT_TRUE(QTest::qWaitFor([&] { return turnoDelJugador(); }, 10000)) << "play stopped";
        // After a card or a dialog the keyboard rests on nothing until Tab or an arrow brings
        // it to a card.
        EXPECT_TRUE(lienzo().aparcado());
        teclasSueltasNoHacenNada(jugadas ? "a card played with the keyboard" : "a card dragged");
        QTest::keyClick(QApplication::focusWidget(), jugadas % 2 ? Qt::Key_Tab : Qt::Key_Right);
        // The focused button's card shows the focus too, and only it.
        auto* foco = qobject_cast<QPushButton*>(QApplication::focusWidget());
        int enfocadas = 0;
        for (int s = 1; s <= 3; ++s) {
            const bool suyo = foco && foco == widget(mesa().BotonCarta(s));
            enfocadas += suyo;
            EXPECT_EQ(dynamic_cast<ImagenQt*>(widgetCarta(s))->marcada(Marca::Foco), suyo);
        }
        ASSERT_EQ(enfocadas, 1) << "focus after a card on " << (foco ? foco->objectName().toStdString() : "-");
        // Enter and Space each press the focused card's button.
        bool pulsado = false;
        QObject contexto;
        QObject::connect(foco, &QPushButton::clicked, &contexto, [&] { pulsado = true; });
        QTest::keyClick(foco, jugadas % 2 ? Qt::Key_Space : Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return pulsado; }, 5000)) << "key " << jugadas % 2 << " played nothing";
    }
    EXPECT_TRUE(llamadasVistas()) << QStringList(vistos.begin(), vistos.end()).join(", ").toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return turnoDelJugador(); }, 10000));
    asistente.stop();

    // The anotador beside the table keeps the boxes' scores and the rounds' lines, clear of the cards.
    const PanelAnotador* panel = ventana().anotador();
    ASSERT_NE(panel, nullptr);
    const Anotador& anotador = programa.juego().operacion.anotador;
    EXPECT_EQ(std::to_string(anotador.tanteador(Lado::Jugador)), mesa().TextoJugador.Text());
    EXPECT_EQ(std::to_string(anotador.tanteador(Lado::Computadora)), mesa().TextoComputadora.Text());
    EXPECT_EQ(panel->findChild<QListWidget*>("Rondas")->count(), rondas_);
    for (const QRect& carta : lienzo().cartasEnJuego(true))
        EXPECT_FALSE(QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size()).intersects(carta));
    Guardar(ventana().grab(), "8-anotador.png");
}

// The player, mano with 29, calls envido; the computer (28) accepts: the keypad opens
// clear of the cards with the keyboard on none of its numbers (a stray Enter declares
// nothing), and "2" "7" Enter declare 27. Then the table's texts at every window size.
TEST_F(RondaQt, ElTantoSeDeclaraTecleando) {
    azar.repartos = {{4, 5, 28, 0, 1, 2}};
    respuesta = Respuesta::Si;
    repartir();
    QString enfocada, elegida;
    QTimer asistente;
    CadaVez(asistente, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        // Once the keypad is active, as the player sees it.
        if (qobject_cast<QMessageBox*>(modal)) return asistir();
        if (!modal || modal->objectName() != "Tanto" || !modal->isVisible() || !enfocada.isEmpty() ||
            !modal->isActiveWindow() || !modal->isAncestorOf(QApplication::focusWidget()))
            return;
        revisarQueNoTapa(modal);
        enfocada = "[" + QApplication::focusWidget()->objectName() + "]";  // the canvas has no name
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        for (const Qt::Key tecla : {Qt::Key_2, Qt::Key_7}) QTest::keyClick(QApplication::focusWidget(), tecla);
        elegida = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString("-");
        Guardar(pantalla(), "6-teclado.png");
        // Enter confirms; were the keyboard elsewhere, the button itself.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        if (QTest::qWaitFor([&] { return !modal->isVisible(); }, 1000)) return;
        if (auto* b = modal->findChild<QPushButton*>("BotonNumeroTanto(27)")) b->click();
    });
    widget(mesa().BotonEnvido)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !QApplication::activeModalWidget() && enfocada.size(); }, 5000));
    EXPECT_EQ(enfocada, "[]");
    EXPECT_EQ(std::tuple(elegida, vistos.contains("¿Tienes 27 puntos?"), programa.juego().estado.TantoCantadoJugador),
              std::tuple(QString("BotonNumeroTanto(27)"), true, 27));
    asistente.stop();
    teclasSueltasNoHacenNada("the keypad");
    Guardar(pantalla(), "7-tras-el-teclado.png");
    // From the smallest window the game allows up, every text of the table is whole.
    for (const QSize tamano : {QSize(800, 600), QSize(1000, 640), QSize(1180, 900)}) {
        ventana().resize(tamano);
        QTest::qWait(30);
        EXPECT_EQ(Cortados(&lienzo()).join(" | ").toStdString(), "") << tamano.width() << "x" << tamano.height();
        if (tamano.width() == 800) Guardar(ventana().grab(), "5-800x600.png");
    }
}

// With animations, a dialog right after a deal waits until the cards were seen, the pointer
// busy meanwhile; the truco the computer calls after its card opens once the card is on the
// table: the player leads a 4, the computer wins with a 5 and leads with its truco.
// Enter alone answers nothing.
TEST_F(RondaQt, UnaLlamadaTrasLaCartaDeLaComputadoraEsperaQueLlegue) {
    azar.repartos = {{36, 37, 38, 9, 30, 35}};
    programa.escena().animar(true);
    repartir();
    QElapsedTimer desdeElReparto;
    desdeElReparto.start();
    bool ocupado = false;
    QTimer::singleShot(100, [&] { ocupado = QApplication::overrideCursor() != nullptr; });
    programa.escena().esperarMesa();
    EXPECT_GE(desdeElReparto.elapsed(), 600) << "a dialog could open before the deal was seen";
    EXPECT_TRUE(ocupado) << "the pointer did not say that clicks wait";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !lienzo().enMovimiento(); }, 5000));
    std::optional<bool> enMovimiento;
    bool enterContesto = false, mirando = false, cursorOcupado = false;
    QTimer asistente;
    CadaVez(asistente, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (lienzo().enMovimiento() && QApplication::overrideCursor()) cursorOcupado = true;
        if (mirando) return;  // the call is not answered while Enter's effect is awaited
        if (modal && modal->objectName() == "CantoTrucos" && modal->isVisible() && !enMovimiento) {
            const QScopedValueRollback<bool> ahora(mirando, true);
            enMovimiento = lienzo().enMovimiento();
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : modal, Qt::Key_Return);
            QTest::qWait(150);
            enterContesto = !modal->isVisible();
        }
        contestar(modal);
    });
    qobject_cast<QPushButton*>(widget(mesa().BotonCarta(1)))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return enMovimiento.has_value(); }, 5000)) << "no truco after the card";
    EXPECT_FALSE(*enMovimiento) << "the call opened while the computer's card travelled";
    EXPECT_TRUE(cursorOcupado) << "the pointer did not say the computer's card travelled";
    EXPECT_FALSE(enterContesto) << "Enter answered the call";
}

// The statistics and "Mis partidas" whole at this scale, each kept as a picture. The
// registry is the desktop tests' part.
TEST_F(RondaQt, LasCifrasYLasPartidasSeVenEnteras) {
    auto& juego = programa.juego();
    for (Ventana* dialogo : std::initializer_list<Ventana*>{&juego.estadistica, &juego.misPartidas})
        AlAbrir([&] { juego.operacion.mostrarModal(*dialogo); },
                [&](QWidget* visto) {
                    Guardar(visto->grab(), QString::fromStdString(dialogo->nombre()) + ".png");
                    EXPECT_EQ(Cortados(visto).join(" | ").toStdString(), "") << dialogo->nombre();
                    dialogo->Hide();
                });
}

}  // namespace

int main(int argc, char* argv[]) { return naipalia::vista::prueba::Correr(argc, argv, true); }
