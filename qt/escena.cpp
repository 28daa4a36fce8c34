#include "qt/escena.h"

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "game/mesa.h"
#include "qt/anotador_qt.h"
#include "qt/dialogo.h"
#include "qt/escala.h"
#include "qt/lienzo.h"
#include "qt/ventana_principal.h"

namespace naipalia::vista {

namespace {
// How much a pixel of the anotador covered weighs against the squared distance from the
// table's middle.
constexpr long long PesoAnotadorTapado = 8;
// Where no place leaves every card in sight, a pixel of a card hidden outweighs any distance.
constexpr long long PesoCartaTapada = 1000000000;
}  // namespace

Escena::Escena(ImagenesQt& i, AnimacionesQt& a) : imagenes(i), animaciones(a) {}

Escena::~Escena() { destruirVentanas(); }

void Escena::destruirVentanas() {
    abiertos_.clear();
    dialogos_.clear();
    principal_.reset();
}

// The table's widgets wait until it is shown or a dialog takes its size from it: a notice
// at start-up opens without waiting for them.
void Escena::preparar(Ventana& ventana) { mesa_ = &ventana; }

VentanaPrincipal* Escena::construirMesa() {
    if (!principal_ && mesa_) {
        principal_ = std::make_unique<VentanaPrincipal>(*mesa_, *this);
        principal_->lienzo().animar(animar_);
    }
    return principal_.get();
}

void Escena::mostrar(Ventana& ventana) {
    // Showing lays the canvas out at the window's first size, which draws every control.
    preparar(ventana);
    construirMesa()->show();
    // Qt would give the keyboard to the first button, and Enter would act.
    reenfocar();
}

Dialogo& Escena::dialogo(Ventana& ventana) {
    auto& dialogo = dialogos_[&ventana];
    if (!dialogo) dialogo = std::make_unique<Dialogo>(ventana, *this);
    return *dialogo;
}

void Escena::mostrarModal(Ventana& ventana) {
    if (terminado_) return;
    Dialogo& d = dialogo(ventana);
    sincronizarTodo();
    esperarMesa();
    // Parented to the table only: dialogs owning dialogs would be deleted twice.
    // The table first: the dialog's scale is read from it.
    QWidget* mesa = construirMesa();
    d.preparar(mesa, escala());
    abiertos_.push_back(&d);
    while (ventana.mostrada() && !terminado_) d.exec();
    std::erase(abiertos_, &d);
    // The keyboard goes back to the window in front, as the player expects to go on.
    if (QWidget* frente = ventanaActiva()) frente->activateWindow();
    reenfocar();
}

void Escena::reenfocar() {
    if (abiertos_.empty() && principal_ && !terminado_) principal_->lienzo().aparcar();
}

QRect Escena::lugarDeLasManos() const {
    if (!principal_) return QRect();
    const Lienzo& l = principal_->lienzo();
    const double izquierda = std::min(LeftMesaCompu[1], LeftMesaJugador[1]);
    const double derecha = std::max(LeftMesaCompu[3], LeftMesaJugador[3]) + AnchoCarta;
    const double arriba = std::min(TopMesaCompu, TopMesaJugador);
    const double abajo = std::max(TopMesaCompu, TopMesaJugador) + AltoCarta;
    const QRect r = l.rectangulo(izquierda, arriba, derecha - izquierda, abajo - arriba);
    return QRect(l.mapToGlobal(r.topLeft()), r.size());
}

bool Escena::enFinDeRonda() const {
    return std::any_of(abiertos_.begin(), abiertos_.end(),
                       [](const Dialogo* d) { return d->ventana().nombre() == "FinRonda"; });
}

QMargins Escena::marco() const {
    const QWidget* mesa = principal_.get();
    if (!mesa || !mesa->isVisible()) return QMargins(8, 30, 8, 8);
    const QRect fuera = mesa->frameGeometry(), dentro = mesa->geometry();
    return QMargins(dentro.left() - fuera.left(), dentro.top() - fuera.top(), fuera.right() - dentro.right(),
                    fuera.bottom() - dentro.bottom());
}

std::optional<QPoint> Escena::lugarLibre(QSize conMarco, bool todasLasManos, bool aunTapando) const {
    if (!principal_) return std::nullopt;
    const QScreen* pantalla = principal_->screen();
    if (!pantalla) return std::nullopt;
    const QRect libre = pantalla->availableGeometry();
    const QRect mesa = principal_->frameGeometry();
    const std::vector<QRect> cartas = principal_->lienzo().cartasEnJuego(todasLasManos);
    // A box a little wider than the screen (a long message at 2x on a small one) is placed
    // as if it just fit: its height still clear of the cards.
    const int w = std::min(conMarco.width(), libre.width()), h = conMarco.height();
    if (h > libre.height()) return std::nullopt;
    // A little air between a window and the cards it leaves in sight.
    const int aire = std::max(4, principal_->lienzo().rectangulo(0, 0, 60, 0).width());
    // Candidate corners: against each side of each card, the screen's edges, the table's
    // middle, and a coarse grid for what lies between.
    std::vector<int> xs{libre.left(), libre.right() + 1 - w, mesa.center().x() - w / 2};
    std::vector<int> ys{libre.top(), libre.bottom() + 1 - h, mesa.center().y() - h / 2};
    for (const QRect& c : cartas) {
        xs.insert(xs.end(), {c.left() - aire - w, c.right() + 1 + aire});
        ys.insert(ys.end(), {c.top() - aire - h, c.bottom() + 1 + aire});
    }
    for (int x = libre.left(); x < libre.right(); x += std::max(8, w / 8)) xs.push_back(x);
    for (int y = libre.top(); y < libre.bottom(); y += std::max(8, h / 8)) ys.push_back(y);
    // The anotador explains the points just when most boxes open: a box keeps off it
    // unless that takes it much farther from the table's middle.
    const QRect anotador = anotadorEnPantalla();
    if (!anotador.isEmpty()) xs.push_back(anotador.left() - w);
    std::optional<QPoint> mejor;
    long long costoMejor = 0;
    for (int x : xs) {
        for (int y : ys) {
            const QRect caja(x, y, w, h);
            if (!libre.contains(caja)) continue;
            const QRect conAire = caja.adjusted(-aire + 1, -aire + 1, aire - 1, aire - 1);
            // The player's own cards, below the table's middle, weigh ten times those on the felt.
            long long cartasTapadas = 0;
            for (const QRect& c : cartas) {
                const QRect comun = c.intersected(conAire);
                cartasTapadas += (c.center().y() > mesa.center().y() ? 10LL : 1LL) * comun.width() * comun.height();
            }
            if (cartasTapadas > 0 && !aunTapando) continue;
            const QPoint d = caja.center() - mesa.center();
            const QRect tapado = caja.intersected(anotador);
            const long long costo = 1LL * d.x() * d.x() + 1LL * d.y() * d.y() +
                                    PesoAnotadorTapado * tapado.width() * tapado.height() +
                                    PesoCartaTapada * cartasTapadas;
            if (!mejor || costo < costoMejor) {
                mejor = caja.topLeft();
                costoMejor = costo;
            }
        }
    }
    return mejor;
}

QRect Escena::anotadorEnPantalla() const {
    const QWidget* panel = principal_ ? principal_->anotador() : nullptr;
    return panel && panel->isVisible() ? QRect(panel->mapToGlobal(QPoint(0, 0)), panel->size()) : QRect();
}

void Escena::oir(const Suceso& suceso) {
    const auto* carta = std::get_if<suceso::CartaJugada>(&suceso);
    if (carta && carta->lado == Lado::Computadora && principal_)
        principal_->lienzo().llegaCartaCompu(carta->carta, carta->slot, carta->abre);
}

void Escena::animar(bool si) {
    animar_ = si;
    if (principal_) principal_->lienzo().animar(si);
}

void Escena::esperarMesa() {
    if (principal_) principal_->lienzo().esperarMovimiento();
}

void Escena::terminar() {
    terminado_ = true;
    if (principal_) principal_->lienzo().animar(false);
    for (Dialogo* d : abiertos_) d->done(0);
    QCoreApplication::quit();
}

void Escena::despachar(const std::function<void()>& manejador) {
    if (terminado_) return;
    manejador();
    sincronizarTodo();
}

void Escena::sincronizarTodo() {
    if (principal_) principal_->lienzo().sincronizar();
    if (principal_) principal_->actualizarAnotador();
    for (Dialogo* d : abiertos_) d->lienzo().sincronizar();
}

QWidget* Escena::ventanaActiva() const {
    if (!abiertos_.empty()) return abiertos_.back();
    return principal_.get();
}

double Escena::escala() const { return principal_ ? principal_->escalaDialogos() : PixelesPorTwip; }

}  // namespace naipalia::vista
