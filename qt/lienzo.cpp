#include "qt/lienzo.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QApplication>
#include <QPushButton>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QEventLoop>
#include <QTimer>
#include <QVariantAnimation>
#include <algorithm>
#include <map>
#include <cmath>
#include <utility>

#include "game/nombres.h"
#include "game/mesa.h"
#include "qt/controles_qt.h"
#include "qt/escala.h"
#include "qt/escena.h"
#include "qt/imagenes_qt.h"
#include "qt/menus_qt.h"
#include "qt/rotulos.h"

namespace naipalia::vista {

namespace {

int codigoBoton(Qt::MouseButtons botones) {
    return (botones & Qt::LeftButton ? BotonIzquierdo : 0) | (botones & Qt::RightButton ? BotonDerecho : 0) |
           (botones & Qt::MiddleButton ? 4 : 0);
}

int codigoShift(Qt::KeyboardModifiers teclas) {
    return (teclas & Qt::ShiftModifier ? 1 : 0) | (teclas & Qt::ControlModifier ? 2 : 0) |
           (teclas & Qt::AltModifier ? 4 : 0);
}

// Where a control lies: on the felt (its corner on it) or across the felt's rim.
Sobre lugarEnTapete(const Propiedades& p, const Control* tapete) {
    if (!tapete) return Sobre::Fondo;
    const Propiedades& t = tapete->propiedades();
    if (p.Left > t.Left && p.Left < t.Left + t.Width && p.Top > t.Top && p.Top < t.Top + t.Height) return Sobre::Tapete;
    const bool toca =
        p.Left < t.Left + t.Width && p.Left + p.Width > t.Left && p.Top < t.Top + t.Height && p.Top + p.Height > t.Top;
    return toca ? Sobre::Borde : Sobre::Fondo;
}

bool conWidget(TipoControl tipo) {
    switch (tipo) {
        case TipoControl::Formulario:
        case TipoControl::Menu:
        case TipoControl::Temporizador:
        case TipoControl::Sonido: return false;
        default: return true;
    }
}

bool esTexto(TipoControl tipo) { return tipo == TipoControl::Etiqueta || tipo == TipoControl::Texto; }

constexpr int MarcaGanadoraMs = 1100;
constexpr int ViajeMs = 250;
constexpr int PausaMs = 500;
// A dialog that opens right after a deal waits until the player has seen his cards.
constexpr int VerRepartoMs = 700;

// Each hand's two cards side by side on the felt, the computer's on the left, a little
// apart, and the hands farther apart; the design's Tops are kept.
constexpr std::array<double, 4> LeftDibujadoCompu{0, 288, 2865, 5442};
constexpr std::array<double, 4> LeftDibujadoJugador{0, 1453, 4030, 6607};

// The names over each hand's places follow their cards.
double LeftDibujadoDe(const Control& c, const Propiedades& p) {
    if (c.tipo() == TipoControl::Imagen && p.Width == AnchoCarta) return LeftDibujado(p.Left, p.Top);
    if (c.nombre() == "EtiquetaMesaCompu") return LeftDibujado(p.Left, TopMesaCompu);
    if (c.nombre() == "EtiquetaMesaJugador") return LeftDibujado(p.Left, TopMesaJugador);
    return p.Left;
}

bool EsCartaDelJuego(const Control& c) { return c.tipo() == TipoControl::Imagen && c.nombre() == "Carta"; }

}  // namespace

double LeftDibujado(double left, double top) {
    for (std::size_t h = 1; h <= 3; ++h) {
        if (left == LeftMesaCompu[h] && (top == TopMesaCompu || top == TopMesaJugador)) return LeftDibujadoCompu[h];
        if (left == LeftMesaJugador[h] && top == TopMesaJugador) return LeftDibujadoJugador[h];
    }
    return left;
}

Tranca::~Tranca() {
    if (cerrada_) QApplication::restoreOverrideCursor();
}

// While closed the pointer says so: a click in a move is refused, not lost unseen.
void Tranca::cerrar(bool cerrada) {
    if (cerrada != cerrada_) {
        if (cerrada)
            QApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    cerrada_ = cerrada;
    vigilar();
}

void Tranca::vigilar() {
    const bool hace = cerrada_ || retenidos_ != Qt::NoButton;
    if (hace == vigilando_) return;
    vigilando_ = hace;
    if (hace)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

bool Tranca::eventFilter(QObject*, QEvent* evento) {
    switch (evento->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (!cerrada_) return false;
            retenidos_ |= static_cast<QMouseEvent*>(evento)->button();
            return true;
        case QEvent::MouseButtonRelease: {
            const Qt::MouseButton boton = static_cast<QMouseEvent*>(evento)->button();
            if (!(retenidos_ & boton)) return cerrada_;
            retenidos_ &= ~boton;
            vigilar();
            return true;
        }
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::Wheel:
        case QEvent::ContextMenu: return cerrada_;
        default: return false;
    }
}

Lienzo::Lienzo(Ventana& ventana, Escena& escena, bool ajustable, QWidget* padre)
    : QWidget(padre), ventana_(ventana), escena_(escena), ajustable_(ajustable), k_(PixelesPorTwip) {
    elementos_.reserve(ventana_.controles().size());
    for (Control* control : ventana_.controles()) {
        Elemento elemento;
        elemento.control = control;
        elemento.conWidget = conWidget(control->tipo());
        if (control->tipo() == TipoControl::Temporizador) {
            elemento.reloj = new QTimer(this);
            const std::size_t indice = elementos_.size();
            connect(elemento.reloj, &QTimer::timeout, this, [this, indice] { tic(indice); });
        }
        indices_[control] = elementos_.size();
        elementos_.push_back(std::move(elemento));
    }
    for (std::size_t i = 0; i < elementos_.size(); ++i) {
        const Control& control = *elementos_[i].control;
        if (EsTapete(control)) tapete_ = &control;
        // Hidden controls wait for their first showing, and the table's all for its first
        // laying out: the registry opens at start-up without them.
        if (elementos_[i].conWidget && control.Visible() && !ajustable_) crear(i);
    }
    // Holds the keyboard until the player moves it, so no key acts by accident; a click on
    // a picture leaves the keyboard where it was.
    setFocusPolicy(Qt::NoFocus);
    pausa_ = new QTimer(this);
    pausa_->setSingleShot(true);
    connect(pausa_, &QTimer::timeout, this, [this] { reproducir(); });
    ventana_.alCambiar = [this](Control& control) { marcar(control); };
}

Lienzo::~Lienzo() { ventana_.alCambiar = nullptr; }

// A frame drawn over the felt (the about area) has its own ground under what it holds.
bool Lienzo::dentroDeUnMarco(std::size_t indice) const {
    const Propiedades& p = elementos_[indice].control->propiedades();
    for (std::size_t i = indices_.at(tapete_) + 1; i < indice; ++i) {
        const Control& c = *elementos_[i].control;
        if (c.tipo() != TipoControl::Marco) continue;
        const Propiedades& m = c.propiedades();
        if (p.Left >= m.Left && p.Left < m.Left + m.Width && p.Top >= m.Top && p.Top < m.Top + m.Height) return true;
    }
    return false;
}

void Lienzo::crear(std::size_t indice) {
    Elemento& elemento = elementos_[indice];
    Control& control = *elemento.control;
    // A dialog's pictures are decoded on other threads while its other controls are made;
    // the table's cards are drawn as soon as they are made.
    if (!ajustable_ && control.tipo() == TipoControl::Imagen) escena_.imagenes.adelantar(control.Picture());
    const Control* tapete = tapete_ && indices_.at(tapete_) < indice && !dentroDeUnMarco(indice) ? tapete_ : nullptr;
    QWidget* w = CrearWidget(control, *this, lugarEnTapete(control.propiedades(), tapete));
    elemento.widget = w;
    if (!w) return;
    w->setObjectName(NombreQt(control));
    w->setMouseTracking(static_cast<bool>(control.MouseMove));
    elemento.vista = Propiedades();
    elemento.vista.Visible = false;
    // A widget made late takes its place in the drawing order of the design.
    for (std::size_t i = indice + 1; i < elementos_.size(); ++i) {
        if (elementos_[i].widget) {
            w->stackUnder(elementos_[i].widget);
            break;
        }
    }
}

QWidget* Lienzo::widgetDe(const Control& control) const {
    auto it = indices_.find(&control);
    return it == indices_.end() ? nullptr : elementos_[it->second].widget;
}

QRect Lienzo::rectangulo(double left, double top, double ancho, double alto) const {
    // Edges rounded on their own, so neighbours meet without gaps.
    const int x0 = static_cast<int>(std::lround(origen_.x() + left * k_));
    const int y0 = static_cast<int>(std::lround(origen_.y() + top * k_));
    const int x1 = static_cast<int>(std::lround(origen_.x() + (left + ancho) * k_));
    const int y1 = static_cast<int>(std::lround(origen_.y() + (top + alto) * k_));
    return QRect(x0, y0, x1 - x0, y1 - y0);
}

void Lienzo::fijarEscala(double pixelesPorTwip) {
    if (pixelesPorTwip == k_) return;
    k_ = pixelesPorTwip;
    todo_ = true;
    sincronizar();
}

void Lienzo::limitarAncho(double twips) {
    if (twips == anchoMax_) return;
    anchoMax_ = twips;
    todo_ = true;
}

QSize Lienzo::tamanoForma() const {
    const Control& forma = ventana_.forma();
    return rectangulo(0, 0, forma.Width() - recorte_, forma.Height() + crecido_).size();
}

void Lienzo::resizeEvent(QResizeEvent*) {
    if (!ajustable_) return;
    const Control& forma = ventana_.forma();
    if (forma.Width() <= 0 || forma.Height() <= 0) return;
    k_ = std::min(width() / forma.Width(), height() / forma.Height());
    origen_ = QPointF((width() - forma.Width() * k_) / 2, (height() - forma.Height() * k_) / 2);
    todo_ = true;
    sincronizar();
}

void Lienzo::marcar(Control& control) {
    if (&control == &ventana_.forma()) {
        // Unloading restores every control without telling each one.
        todo_ = true;
    } else if (auto it = indices_.find(&control); it != indices_.end()) {
        Elemento& elemento = elementos_[it->second];
        if (animar_ && elemento.conWidget) registro_.push_back({it->second, control.propiedades()});
        // The game touches the card buttons when it deals and after each card: whatever
        // the player did, the keyboard goes back to nothing, so a stray key plays no card.
        if (EsBotonCarta(control)) reenfocar_ = true;
        // Several cards may land in one handler: the order of the writes is the order of play.
        if (EsCartaDelJuego(control) && control.Top() == TopMano && control.Visible() && !elemento.visible)
            repartido_.start();
        if (control.tipo() == TipoControl::Imagen &&
            (control.Left() != elemento.left || control.Top() != elemento.top ||
             control.Visible() != elemento.visible)) {
            elemento.left = control.Left();
            elemento.top = control.Top();
            elemento.visible = control.Visible();
            elemento.puesta = ++puestas_;
        }
        // Timers follow at once, so a disabled one never ticks again.
        if (elemento.reloj) aplicarReloj(elemento);
        // A frame that moves is drawn at each step, so its slide is seen as it happens.
        if (control.tipo() == TipoControl::Marco && elemento.widget && isVisible() &&
            (control.Left() != elemento.vista.Left || control.Top() != elemento.vista.Top)) {
            aplicar(elemento, false);
            alFrenteConLoQueCubre(it->second);
            repaint();
        }
        if (!elemento.pendiente) {
            elemento.pendiente = true;
            pendientes_.push_back(it->second);
        }
    }
    programar();
}

void Lienzo::programar() {
    if (programado_) return;
    programado_ = true;
    QTimer::singleShot(0, this, [this] { sincronizar(); });
}

void Lienzo::sincronizar() {
    programado_ = false;
    // A new layout draws the models at once.
    if (todo_) cortarMovimiento();
    if (!todo_ && (reproduciendo_ || hayViaje())) return encolar();
    registro_.clear();
    // A narrowed dialog lays every control out again whenever anything changes.
    if (anchoMax_ > 0 && (todo_ || !pendientes_.empty())) todo_ = true;
    if (todo_) {
        todo_ = false;
        pendientes_.clear();
        disponer();
        for (Elemento& elemento : elementos_) {
            elemento.pendiente = false;
            aplicar(elemento, true);
        }
        emit formaCambiada();
    } else {
        const std::vector<std::size_t> lista = std::move(pendientes_);
        pendientes_.clear();
        for (std::size_t i : lista) {
            elementos_[i].pendiente = false;
            aplicar(elementos_[i], false);
        }
    }
    rematar();
}

// The handler's changes join the moves to show, which start now unless they are running.
void Lienzo::encolar() {
    for (std::size_t i : pendientes_) elementos_[i].pendiente = false;
    pendientes_.clear();
    cola_.insert(cola_.end(), registro_.begin(), registro_.end());
    registro_.clear();
    if (reproduciendo_) return;
    reproduciendo_ = true;
    tranca_.cerrar(true);
    reproducir();
}

// What follows any drawing: play order, captions' letters, the keyboard, the focus mark.
void Lienzo::rematar() {
    std::sort(subir_.begin(), subir_.end(),
              [this](std::size_t a, std::size_t b) { return elementos_[a].puesta < elementos_[b].puesta; });
    for (std::size_t i : subir_) alFrente(i);
    subir_.clear();
    if (rotular_) {
        rotular_ = false;
        for (const Elemento& e : elementos_)
            if (auto* boton = qobject_cast<QPushButton*>(e.widget)) boton->setText(Rotulo(*e.control));
    }
    if (reenfocar_) aparcar();
    focoCambiado();
}

// A dialog's texts wrap where they do not fit on one line: narrowed to the screen, or
// longer than their box at this scale. Buttons of a narrowed dialog keep to their side;
// what lies below a text that gained lines moves down by them.
void Lienzo::disponer() {
    lugares_.clear();
    recorte_ = crecido_ = 0;
    if (anchoMax_ <= 0) return;
    const double ancho = ventana_.forma().Width();
    recorte_ = std::max(0.0, ancho - anchoMax_);
    std::map<double, double> crecimientos;  // by the bottom of a text that grew
    for (const Elemento& e : elementos_) {
        const Control& c = *e.control;
        if (!e.conWidget) continue;
        Lugar l{c.Left(), c.Top(), c.Width(), c.Height()};
        if (esTexto(c.tipo()) && !c.propiedades().Editable) {
            if (c.Left() + c.Width() > anchoMax_) l.ancho = std::max(AnchoCarta / 2, c.Width() - recorte_);
            l.alto = std::max(c.Height(), altoEnvuelto(c, l.ancho));
            double& crecido = crecimientos[c.Top() + c.Height()];
            crecido = std::max(crecido, l.alto - c.Height());
        } else if (c.tipo() == TipoControl::Boton && recorte_ > 0) {
            const double centro = c.Left() + c.Width() / 2;
            if (std::abs(centro - ancho / 2) < ancho * 0.05)
                l.left -= recorte_ / 2;
            else if (centro > ancho / 2)
                l.left -= recorte_;
        }
        l.left = std::max(0.0, l.left);
        lugares_[&c] = l;
    }
    for (const auto& [desde, crecido] : crecimientos) {
        crecido_ += crecido;
        for (auto& [c, l] : lugares_)
            if (c->Top() >= desde) l.top += crecido;
    }
}

// The height a text needs at this width and scale, its box's margins kept.
double Lienzo::altoEnvuelto(const Control& c, double ancho) const {
    const QFontMetrics medidas(Fuente(c.propiedades().TamanoLetra, c.propiedades().Negrita, k_));
    // A box's inner margins; a pixel of rounding is no cut.
    const int margenes = c.tipo() == TipoControl::Texto ? 8 : 0;
    const int anchoPx = std::max(1, static_cast<int>(ancho * k_) + 1 - margenes);
    // A name's padding blanks would make a line of their own.
    const QString texto = QString::fromStdString(c.tipo() == TipoControl::Texto ? c.Text() : c.Caption()).trimmed();
    const int altoPx = medidas.boundingRect(QRect(0, 0, anchoPx, 1 << 20), Qt::TextWordWrap, texto).height();
    return std::ceil(altoPx / k_) + 30;
}

Lienzo::Lugar Lienzo::lugar(const Elemento& elemento, const Propiedades& p) const {
    if (!lugares_.empty()) {
        auto it = lugares_.find(elemento.control);
        if (it != lugares_.end()) return it->second;
    }
    return {LeftDibujadoDe(*elemento.control, p), p.Top, p.Width, p.Height};
}

void Lienzo::aplicar(Elemento& elemento, bool todo, const Propiedades& p) {
    const Control& control = *elemento.control;
    if (elemento.reloj) aplicarReloj(elemento);
    if (control.tipo() == TipoControl::Menu && menus_) menus_->sincronizar(control);
    const std::size_t indice = static_cast<std::size_t>(&elemento - elementos_.data());
    if (!elemento.widget && elemento.conWidget && p.Visible) {
        crear(indice);
        todo = true;
    }
    Propiedades& visto = elemento.vista;
    if (QWidget* w = elemento.widget) {
        const bool movida = p.Left != visto.Left || p.Top != visto.Top;
        // Qt would hand the keyboard to the next button in line, which may call truco; also
        // while a dialog in front has the keyboard.
        if (((!p.Enabled && visto.Enabled) || (!p.Visible && visto.Visible)) && window()->focusWidget() == w) {
            setFocus(Qt::OtherFocusReason);
            reenfocar_ = true;
        }
        if (todo || movida || p.Width != visto.Width || p.Height != visto.Height) {
            const Lugar l = lugar(elemento, p);
            w->setGeometry(rectangulo(l.left, l.top, l.ancho, l.alto));
            if (auto* etiqueta = qobject_cast<QLabel*>(w);
                etiqueta && lugares_.count(&control) && (l.ancho < p.Width || l.alto > p.Height))
                etiqueta->setWordWrap(true);
        }
        if (todo || p.TamanoLetra != visto.TamanoLetra || p.Negrita != visto.Negrita)
            w->setFont(Fuente(p.TamanoLetra, p.Negrita, k_));
        if (todo || p.Enabled != visto.Enabled) w->setEnabled(p.Enabled);
        if (todo || p.MousePointer != visto.MousePointer || p.MouseIcon != visto.MouseIcon) {
            if (p.MousePointer == PunteroPropio && !p.MouseIcon.empty())
                w->setCursor(escena_.imagenes.puntero(p.MouseIcon));
            else
                w->unsetCursor();
        }
        // A hand decided: its winner is marked for a moment.
        if (control.tipo() == TipoControl::Texto && control.nombre() == "TextoMano" && visto.Text.empty() &&
            !p.Text.empty() && !todo)
            marcarGanadora(control.indice(), p.Text);
        if (control.tipo() == TipoControl::Boton && p.Caption != visto.Caption && !todo) rotular_ = true;
        AplicarPropio(control, *w, p, visto, todo);
        // A card put down or shown lies over the cards put down before it.
        if (control.tipo() == TipoControl::Imagen && p.Visible && (movida || !visto.Visible) &&
            static_cast<std::ptrdiff_t>(indice) != arrastrada_)
            subir_.push_back(indice);
        if (todo || p.Visible != visto.Visible) w->setVisible(p.Visible);
    }
    visto = p;
}

// A frame over the table, with the controls made after it that lie on it.
void Lienzo::alFrenteConLoQueCubre(std::size_t indice) {
    QWidget* marco = elementos_[indice].widget;
    marco->raise();
    for (std::size_t i = indice + 1; i < elementos_.size(); ++i)
        if (QWidget* w = elementos_[i].widget; w && w->geometry().intersects(marco->geometry())) w->raise();
}

// Over every picture, under the buttons and texts drawn after the pictures.
void Lienzo::alFrente(std::size_t indice) {
    QWidget* w = elementos_[indice].widget;
    for (std::size_t i = indice + 1; i < elementos_.size(); ++i) {
        const Elemento& e = elementos_[i];
        if (e.widget && e.control->tipo() != TipoControl::Imagen) {
            w->stackUnder(e.widget);
            return;
        }
    }
    w->raise();
}

void Lienzo::aplicarReloj(Elemento& elemento) {
    const Control& control = *elemento.control;
    const bool activo = control.Enabled() && control.Interval() > 0;
    if (!activo) {
        elemento.reloj->stop();
    } else if (!elemento.reloj->isActive() || elemento.reloj->interval() != control.Interval()) {
        elemento.reloj->start(control.Interval());
    }
}

void Lienzo::tic(std::size_t indice) {
    Elemento& elemento = elementos_[indice];
    Control& control = *elemento.control;
    // A tick while its own handler waits on a dialog would run the handler twice.
    if (elemento.enTic || !control.Enabled() || !control.Timer) return;
    elemento.enTic = true;
    escena_.despachar(control.Timer);
    elemento.enTic = false;
}

void Lienzo::aparcar() {
    aparcado_ = true;
    reenfocar_ = false;
    setFocus(Qt::OtherFocusReason);
}

void Lienzo::keyPressEvent(QKeyEvent* evento) {
    switch (evento->key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
            aparcado_ = false;
            enfocarSeguro();
            return;
        case Qt::Key_Escape:
            if (cerrarArea()) return;
            break;
        default: break;
    }
    QWidget::keyPressEvent(evento);
}

// Escape closes an open area, as its own close button does.
bool Lienzo::cerrarArea() {
    const Control* cerrar = ventana_.buscar("BotonAcercaDe");
    auto* boton = cerrar ? qobject_cast<QPushButton*>(widgetDe(*cerrar)) : nullptr;
    if (!boton || !boton->isVisible() || !boton->isEnabled()) return false;
    boton->click();
    return true;
}

// Tab from nothing goes to the first card the player may play.
bool Lienzo::focusNextPrevChild(bool siguiente) {
    if (aparcado_) {
        aparcado_ = false;
        enfocarSeguro();
        if (window()->focusWidget() != this) return true;
    }
    return QWidget::focusNextPrevChild(siguiente);
}

void Lienzo::enfocarSeguro() {
    for (const Elemento& e : elementos_) {
        if (e.widget && EsBotonCarta(*e.control) && e.control->Enabled() && e.control->Visible()) {
            e.widget->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QWidget* foco = window()->focusWidget();
    if (!foco || foco == this || !isAncestorOf(foco)) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    // A button that acts on the round keeps no focus while no card may be played.
    if (qobject_cast<QPushButton*>(foco)) setFocus(Qt::OtherFocusReason);
}

void Lienzo::focoCambiado() {
    QWidget* carta = nullptr;
    QWidget* foco = window()->focusWidget();
    for (const Elemento& e : elementos_) {
        if (e.widget && e.widget == foco && EsBotonCarta(*e.control)) {
            if (Elemento* c = cartaEn(e.control->Left(), TopMano)) carta = c->widget;
            break;
        }
    }
    if (marcaFoco_ == carta) return;
    if (auto* antes = dynamic_cast<ImagenQt*>(marcaFoco_.data())) antes->marcar(Marca::Foco, false);
    marcaFoco_ = carta;
    if (auto* ahora = dynamic_cast<ImagenQt*>(carta)) ahora->marcar(Marca::Foco, true);
}

Lienzo::Elemento* Lienzo::cartaEn(double left, double top) {
    return const_cast<Elemento*>(std::as_const(*this).cartaEn(left, top));
}

const Lienzo::Elemento* Lienzo::cartaEn(double left, double top) const {
    for (const Elemento& e : elementos_) {
        const Control& c = *e.control;
        if (e.widget && c.tipo() == TipoControl::Imagen && c.Visible() && c.Left() == left && c.Top() == top &&
            c.Width() == AnchoCarta)
            return &e;
    }
    return nullptr;
}

// The hand being played: the first whose place on the player's side is still empty.
int Lienzo::manoActual() const {
    for (int mano = 1; mano <= 3; ++mano)
        if (!cartaEn(LeftMesaJugador[static_cast<std::size_t>(mano)], TopMesaJugador)) return mano;
    return 3;
}

std::vector<QRect> Lienzo::cartasEnJuego(bool todasLasManos) const {
    std::vector<QRect> cartas;
    for (const Elemento& e : elementos_) {
        const Control& c = *e.control;
        if (e.widget && e.widget->isVisible() && c.tipo() == TipoControl::Imagen && c.Top() == TopMano &&
            c.Width() == AnchoCarta && EnLaMano(c.Left()))
            cartas.push_back(enPantalla(e.widget->geometry()));
    }
    // Nothing dealt (no game yet, or its cards put away): nothing to keep clear.
    if (std::none_of(elementos_.begin(), elementos_.end(), [](const Elemento& e) {
            return EsCartaDelJuego(*e.control) && e.widget && e.widget->isVisible();
        }))
        return cartas;
    // The hand in dispute: the first one still missing a card, else the last.
    int enDisputa = 3;
    for (int mano = 1; mano <= 3; ++mano) {
        const auto h = static_cast<std::size_t>(mano);
        if (!cartaEn(LeftMesaJugador[h], TopMesaJugador) || !cartaEn(LeftMesaCompu[h], TopMesaCompu)) {
            enDisputa = mano;
            break;
        }
    }
    const int desde = todasLasManos ? 1 : enDisputa, hasta = todasLasManos ? 3 : enDisputa;
    for (int mano = desde; mano <= hasta; ++mano) {
        const auto h = static_cast<std::size_t>(mano);
        const double izquierda = LeftDibujadoCompu[h];
        const double derecha = LeftDibujadoJugador[h] + AnchoCarta;
        cartas.push_back(enPantalla(
            rectangulo(izquierda, TopMesaCompu, derecha - izquierda, TopMesaJugador + AltoCarta - TopMesaCompu)));
    }
    return cartas;
}

void Lienzo::seguirArrastre() {
    if (arrastrada_ < 0) return;
    const Elemento& e = elementos_[static_cast<std::size_t>(arrastrada_)];
    const Control& carta = *e.control;
    // Only once the game moves the card: a refused drag shows nothing.
    if (carta.Left() == desde_.Left && carta.Top() == desde_.Top) return;
    const int mano = manoActual();
    const ZonaJugada& z = ZonasJugada[static_cast<std::size_t>(mano)];
    if (!zona_) zona_ = new ZonaQt(this);
    // A card lying wholly inside the outline has its corner in the accepted place.
    zona_->setGeometry(
        rectangulo(z.desde, TopZonaDesde, z.hasta - z.desde + AnchoCarta, TopZonaHasta - TopZonaDesde + AltoCarta));
    zona_->encender(EnZonaJugada(mano, carta.Left(), carta.Top()));
    if (e.widget) zona_->stackUnder(e.widget);
    zona_->show();
}

void Lienzo::terminarArrastre() {
    arrastrada_ = -1;
    if (zona_) zona_->hide();
}

void Lienzo::marcarGanadora(int mano, const std::string& ganador) {
    if (mano < 1 || mano > 3) return;
    const auto h = static_cast<std::size_t>(mano);
    std::vector<Elemento*> cartas;
    if (ganador != NombreComputadora) cartas.push_back(cartaEn(LeftMesaJugador[h], TopMesaJugador));
    if (ganador == NombreComputadora || ganador == PalabraIguales)
        cartas.push_back(cartaEn(LeftMesaCompu[h], TopMesaCompu));
    for (Elemento* e : cartas) {
        auto* imagen = e ? dynamic_cast<ImagenQt*>(e->widget) : nullptr;
        if (!imagen) continue;
        imagen->marcar(Marca::Ganadora, true);
        QPointer<ImagenQt> guardada(imagen);
        QTimer::singleShot(MarcaGanadoraMs, this, [guardada] {
            if (guardada) guardada->marcar(Marca::Ganadora, false);
        });
    }
}

void Lienzo::raton(Control& control, QMouseEvent& evento) {
    auto it = indices_.find(&control);
    if (it == indices_.end() || !elementos_[it->second].widget) return;
    const std::size_t indice = it->second;
    const auto i = static_cast<std::ptrdiff_t>(indice);
    const int shift = codigoShift(evento.modifiers());
    const int boton = codigoBoton(evento.button());
    const QPointF en = evento.position();
    // A card pressed with the left button waits: a click plays it, and once it moves
    // away it is dragged as with the right button.
    const bool carta = control.tipo() == TipoControl::Imagen && ajustable_;
    switch (evento.type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (carta && boton == BotonIzquierdo) {
                apretada_ = i;
                apretadaEn_ = en;
                arrastreIzquierdo_ = false;
                return;
            }
            pulsar(control, indice, boton, shift, en);
            if (evento.type() == QEvent::MouseButtonDblClick && control.DblClick) escena_.despachar(control.DblClick);
            break;
        case QEvent::MouseMove:
            if (apretada_ == i && (evento.buttons() & Qt::LeftButton)) {
                if (!arrastreIzquierdo_) {
                    if ((en - apretadaEn_).manhattanLength() < QApplication::startDragDistance()) return;
                    arrastreIzquierdo_ = true;
                    pulsar(control, indice, BotonDerecho, shift, apretadaEn_);
                }
                mover(control, indice, BotonDerecho, shift, en);
                return;
            }
            mover(control, indice, codigoBoton(evento.buttons()), shift, en);
            break;
        case QEvent::MouseButtonRelease:
            if (apretada_ == i && boton == BotonIzquierdo) {
                apretada_ = -1;
                if (arrastreIzquierdo_) {
                    soltar(control, indice, BotonDerecho, shift, en);
                    return;
                }
                pulsar(control, indice, BotonIzquierdo, shift, apretadaEn_);
            }
            soltar(control, indice, boton, shift, en);
            break;
        default: break;
    }
}

QPointF Lienzo::enTwips(const Control& control, std::size_t indice, QPointF enWidget) const {
    const QPointF punto = elementos_[indice].widget->mapTo(this, enWidget);
    // Measured from the model's corner, so rounding to pixels never drifts a drag.
    return QPointF((punto.x() - origen_.x()) / k_ - control.Left(), (punto.y() - origen_.y()) / k_ - control.Top());
}

void Lienzo::pulsar(Control& control, std::size_t indice, int boton, int shift, QPointF en) {
    // A card dragged with the right button goes over everything.
    if (boton == BotonDerecho) {
        elementos_[indice].widget->raise();
        if (control.tipo() == TipoControl::Imagen && ajustable_) {
            arrastrada_ = static_cast<std::ptrdiff_t>(indice);
            desde_ = control.propiedades();
        }
    }
    const QPointF t = enTwips(control, indice, en);
    if (control.MouseDown) escena_.despachar([&] { control.MouseDown(boton, shift, t.x(), t.y()); });
}

void Lienzo::mover(Control& control, std::size_t indice, int botones, int shift, QPointF en) {
    const QPointF t = enTwips(control, indice, en);
    if (control.MouseMove) escena_.despachar([&] { control.MouseMove(botones, shift, t.x(), t.y()); });
    if (arrastrada_ == static_cast<std::ptrdiff_t>(indice)) seguirArrastre();
}

void Lienzo::soltar(Control& control, std::size_t indice, int boton, int shift, QPointF en) {
    const bool encima = elementos_[indice].widget->rect().contains(en.toPoint());
    const QPointF t = enTwips(control, indice, en);
    if (boton == BotonDerecho && arrastrada_ == static_cast<std::ptrdiff_t>(indice)) terminarArrastre();
    // Back among the pictures before the release: the game may answer with a card
    // that must lie over this one.
    if (boton == BotonDerecho) alFrente(indice);
    if (control.MouseUp) escena_.despachar([&] { control.MouseUp(boton, shift, t.x(), t.y()); });
    if (boton == BotonIzquierdo && encima && control.Click) escena_.despachar(control.Click);
}

void Lienzo::animar(bool si) {
    animar_ = si;
    registro_.clear();
    if (!si) cortarMovimiento();
}

void Lienzo::llegaCartaCompu(int carta, int slot, bool abre) {
    const Control* c = ventana_.buscar("Carta", carta);
    const Control* dorso = ventana_.buscar("CartaFondo", slot);
    const auto ic = c ? indices_.find(c) : indices_.end();
    const auto id = dorso ? indices_.find(dorso) : indices_.end();
    if (ic == indices_.end() || id == indices_.end()) return;
    // Its last change in this handler puts it face up at its place.
    const auto paso =
        std::find_if(registro_.rbegin(), registro_.rend(), [&](const Paso& p) { return p.indice == ic->second; });
    if (paso != registro_.rend()) paso->llegada = Llegada{id->second, abre};
}

// The computer's card arrives in this handler: its changes are shown in order.
bool Lienzo::hayViaje() const {
    return std::any_of(registro_.begin(), registro_.end(), [](const Paso& p) { return p.llegada.has_value(); });
}

// Where the computer's card leaves from: its back, while the screen still shows it.
std::deque<Lienzo::Paso>::iterator Lienzo::dorsoQueSeVa(const Llegada& llegada) {
    return std::find_if(cola_.begin(), cola_.end(), [&](const Paso& paso) {
        const Elemento& e = elementos_[paso.indice];
        return paso.indice == llegada.dorso && !paso.p.Visible && e.vista.Visible && e.widget;
    });
}

// Shows the recorded changes in order until a card travels or the computer pauses before
// it leads; once all are shown, the models as they are now.
void Lienzo::reproducir() {
    while (!cola_.empty()) {
        const std::optional<Llegada> llegada = cola_.front().llegada;
        auto dorso = llegada ? dorsoQueSeVa(*llegada) : cola_.end();
        if (dorso == cola_.end()) {
            const Paso paso = std::move(cola_.front());
            cola_.pop_front();
            aplicar(elementos_[paso.indice], false, paso.p);
            continue;
        }
        rematar();
        if (!pausado_ && llegada->abre) {
            pausado_ = true;
            pausa_->start(PausaMs);
            return;
        }
        pausado_ = false;
        Elemento& fondo = elementos_[dorso->indice];
        const QRect desde = fondo.widget->geometry();
        aplicar(fondo, false, dorso->p);
        cola_.erase(dorso);
        const Paso paso = std::move(cola_.front());
        cola_.pop_front();
        aplicar(elementos_[paso.indice], false, paso.p);
        viajar(elementos_[paso.indice], desde);
        return;
    }
    reproduciendo_ = false;
    tranca_.cerrar(false);
    for (Elemento& e : elementos_) aplicar(e, false);
    rematar();
    emit movimientoTerminado();
}

void Lienzo::viajar(Elemento& carta, QRect desde) {
    rematar();
    QWidget* w = carta.widget;
    if (!w) return reproducir();
    const QRect hasta = w->geometry();
    w->raise();
    w->setGeometry(desde);
    viaje_ = new QVariantAnimation(this);
    viaje_->setStartValue(desde);
    viaje_->setEndValue(hasta);
    viaje_->setDuration(ViajeMs);
    viaje_->setEasingCurve(QEasingCurve::OutCubic);
    const auto indice = static_cast<std::size_t>(&carta - elementos_.data());
    connect(viaje_, &QVariantAnimation::valueChanged, w, [w](const QVariant& v) { w->setGeometry(v.toRect()); });
    connect(viaje_, &QVariantAnimation::finished, this, [this, indice] {
        alFrente(indice);
        reproducir();
    });
    viaje_->start(QAbstractAnimation::DeleteWhenStopped);
}

// Whatever is still to be shown is drawn as the models say, now.
void Lienzo::cortarMovimiento() {
    pausa_->stop();
    pausado_ = false;
    if (viaje_) {
        viaje_->disconnect(this);
        viaje_->stop();
    }
    cola_.clear();
    if (!reproduciendo_) return;
    reproduciendo_ = false;
    tranca_.cerrar(false);
    todo_ = true;
    programar();
    emit movimientoTerminado();
}

void Lienzo::esperarMovimiento() {
    if (reproduciendo_) {
        QEventLoop espera;
        connect(this, &Lienzo::movimientoTerminado, &espera, &QEventLoop::quit);
        espera.exec();
    }
    const qint64 falta = animar_ && repartido_.isValid() ? VerRepartoMs - repartido_.elapsed() : 0;
    repartido_.invalidate();
    if (falta <= 0) return;
    tranca_.cerrar(true);
    QEventLoop espera;
    QTimer::singleShot(static_cast<int>(falta), &espera, &QEventLoop::quit);
    espera.exec();
    tranca_.cerrar(reproduciendo_);
}

}  // namespace naipalia::vista
