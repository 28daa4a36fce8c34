#include "qt/anotador_qt.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "qt/escala.h"
#include "qt/lienzo.h"

namespace naipalia::vista {

namespace {

// The design of the panel, in twips.
constexpr double Margen = 120;
constexpr double AltoTitulo = 270;
constexpr double Cuadro = 240;  // a square's side
constexpr double Paso = 350;    // from one square to the next
constexpr double ArribaPalotes = 3 * AltoTitulo + 40;
constexpr double AltoTanteador = ArribaPalotes + 6 * Paso + 150;  // six squares with the line between
constexpr double AltoEnJuego = 1150;
constexpr double AltoSucesos = 1250;

const QColor Papel(0xfa, 0xf6, 0xea), Tinta(0x3a, 0x2e, 0x22), Palito(0xc8, 0xa0, 0x62), Cabeza(0xa8, 0x26, 0x1c);

// Without a frame of its own: the panel draws it around, where no neighbour paints over
// it at any scale.
QListWidget* lista(QWidget* padre) {
    auto* l = new QListWidget(padre);
    l->setFrameShape(QFrame::NoFrame);
    l->setFocusPolicy(Qt::NoFocus);
    l->setSelectionMode(QAbstractItemView::NoSelection);
    l->setWordWrap(true);
    l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return l;
}

QLabel* rotulo(QWidget* padre) {
    auto* r = new QLabel(padre);
    r->setFocusPolicy(Qt::NoFocus);
    r->setWordWrap(true);
    r->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return r;
}

// The newest entry in sight, its wrapped lines measured at the list's present width and font.
void alFinal(QListWidget& l) {
    l.doItemsLayout();
    l.scrollToBottom();
}

// The list shows the model's entries, scrolled to the newest when one is added. Entries
// are only ever added or all cleared: the count and the last one tell a change.
void seguir(QListWidget& l, const std::vector<std::string>& entradas) {
    const int n = static_cast<int>(entradas.size());
    if (l.count() == n && (n == 0 || l.item(n - 1)->text() == QString::fromStdString(entradas.back()))) return;
    l.clear();
    for (const std::string& e : entradas) l.addItem(QString::fromStdString(e));
    alFinal(l);
}

// A list's frame, with a pixel of paper between: at a fractional scale a widget may
// cover the next device pixel.
constexpr int Aire = 2;
QRect Marco(const QWidget& w) { return w.geometry().adjusted(-Aire, -Aire, Aire - 1, Aire - 1); }

// One stick of a square, numbered as they are drawn on paper: the four sides, then the
// diagonal that closes the five.
void pintarPalito(QPainter& p, QRectF c, int palito) {
    const QPointF a[5] = {c.topLeft(), c.topRight(), c.bottomRight(), c.bottomLeft(), c.topLeft()};
    const QPointF b[5] = {c.bottomLeft(), c.topLeft(), c.topRight(), c.bottomRight(), c.bottomRight()};
    const QPointF desde = a[palito], hasta = b[palito];
    const double grosor = std::max(2.0, c.width() / 9);
    p.setPen(QPen(Palito, grosor, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(desde, hasta);
    p.setPen(Qt::NoPen);
    p.setBrush(Cabeza);
    p.drawEllipse(hasta, grosor * 0.9, grosor * 0.9);
}

}  // namespace

PanelAnotador::PanelAnotador(const Anotador& anotador, QWidget* padre)
    : QWidget(padre),
      anotador_(anotador),
      tituloEnJuego_(rotulo(this)),
      enJuego_(rotulo(this)),
      tituloSucesos_(rotulo(this)),
      sucesos_(lista(this)),
      tituloLineas_(rotulo(this)),
      lineas_(lista(this)) {
    setObjectName("Anotador");
    setFocusPolicy(Qt::NoFocus);
    tituloEnJuego_->setText("En juego");
    tituloSucesos_->setText("Esta ronda");
    tituloLineas_->setText("Rondas");
    lineas_->setObjectName("Rondas");
    actualizar();
}

QRect PanelAnotador::rect(double left, double top, double ancho, double alto) const {
    return QRect(static_cast<int>(std::lround(left * k_)), static_cast<int>(std::lround(top * k_)),
                 static_cast<int>(std::lround(ancho * k_)), static_cast<int>(std::lround(alto * k_)));
}

void PanelAnotador::fijarEscala(double pixelesPorTwip) {
    k_ = pixelesPorTwip;
    disponer();
    update();
}

void PanelAnotador::disponer() {
    const double ancho = AnchoTwips - 2 * Margen;
    const double alto = height() / k_;
    const QFont letra = Fuente(LetraPredeterminada, false, k_), negrita = Fuente(LetraPredeterminada, true, k_);
    double top = AltoTanteador;
    const auto poner = [&](QWidget* w, double h, const QFont& f) {
        w->setFont(f);
        const QRect caja = rect(Margen, top, ancho, h);
        w->setGeometry(qobject_cast<QListWidget*>(w) ? caja.adjusted(Aire, Aire, -Aire, -Aire) : caja);
        top += h;
    };
    poner(tituloEnJuego_, AltoTitulo, negrita);
    poner(enJuego_, AltoEnJuego, letra);
    poner(tituloSucesos_, AltoTitulo, negrita);
    poner(sucesos_, AltoSucesos, letra);
    poner(tituloLineas_, AltoTitulo, negrita);
    poner(lineas_, std::max(AltoTitulo, alto - top - Margen), letra);
    alFinal(*sucesos_);
    alFinal(*lineas_);
}

void PanelAnotador::actualizar() {
    const QString enJuego = QString::fromStdString(anotador_.enJuego()).replace("; ", "\n");
    if (enJuego_->text() != enJuego) enJuego_->setText(enJuego);
    seguir(*sucesos_, anotador_.sucesos());
    seguir(*lineas_, anotador_.lineas());
    update();
}

void PanelAnotador::pintarColumna(QPainter& p, Lado lado, double left) const {
    const double ancho = (AnchoTwips - 2 * Margen) / 2;
    const auto [malas, buenas] = anotador_.mitades(lado);
    p.setFont(Fuente(LetraPredeterminada, true, k_));
    p.setPen(Tinta);
    const QString nombre =
        lado == Lado::Computadora ? QString("Computadora") : QString::fromStdString(anotador_.nombre(lado));
    const QString titulo = p.fontMetrics().elidedText(nombre, Qt::ElideRight, rect(0, 0, ancho, 0).width());
    p.drawText(rect(left, AltoTitulo, ancho, AltoTitulo), Qt::AlignHCenter | Qt::AlignVCenter, titulo);
    p.drawText(rect(left, 2 * AltoTitulo, ancho, AltoTitulo), Qt::AlignHCenter | Qt::AlignVCenter,
               QString::number(anotador_.tanteador(lado)));
    const double x = left + (ancho - Cuadro) / 2;
    double y = ArribaPalotes;
    for (int mitad = 0; mitad < (anotador_.partido() ? 2 : 1); ++mitad) {
        int puntos = mitad == 0 ? malas : buenas;
        for (int c = 0; c < 3; ++c, y += Paso, puntos -= 5)
            for (int palito = 0; palito < std::clamp(puntos, 0, 5); ++palito)
                pintarPalito(p, QRectF(rect(x, y, Cuadro, Cuadro)), palito);
        y += Paso / 3;
    }
}

void PanelAnotador::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(QWidget::rect(), Papel);
    // Crisp, whole pixels at any scale.
    p.setPen(QPen(Palito.darker(130), 1));
    for (const QListWidget* l : {sucesos_, lineas_}) {
        p.fillRect(Marco(*l), l->palette().base());
        p.drawRect(Marco(*l));
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Tinta, 1));
    p.drawRect(QWidget::rect().adjusted(0, 0, -1, -1));
    p.setFont(Fuente(LetraPredeterminada + 2, true, k_));
    p.drawText(rect(Margen, 0, AnchoTwips - 2 * Margen, AltoTitulo), Qt::AlignHCenter | Qt::AlignVCenter, "Anotador");
    const double mitad = AnchoTwips / 2;
    pintarColumna(p, Lado::Jugador, Margen);
    pintarColumna(p, Lado::Computadora, mitad);
    p.setPen(QPen(Tinta, 1));
    const QRect raya = rect(mitad, AltoTitulo, 0, AltoTanteador - AltoTitulo - 60);
    p.drawLine(raya.topLeft(), raya.bottomLeft());
    if (anotador_.partido()) {
        // The line between "malas" and "buenas".
        const double y = ArribaPalotes + 3 * Paso + Paso / 6 - 35;
        p.drawLine(rect(Margen, y, 0, 0).topLeft(), rect(AnchoTwips - Margen, y, 0, 0).topLeft());
        p.setFont(Fuente(LetraPredeterminada - 1, false, k_));
        p.drawText(rect(Margen, y - AltoTitulo, 600, AltoTitulo), Qt::AlignLeft | Qt::AlignBottom, "malas");
        p.drawText(rect(Margen, y, 600, AltoTitulo), Qt::AlignLeft | Qt::AlignTop, "buenas");
    }
}

MesaConAnotador::MesaConAnotador(Lienzo& lienzo, const Anotador& anotador, QWidget* padre)
    : QWidget(padre), lienzo_(lienzo), panel_(new PanelAnotador(anotador, this)) {
    lienzo_.setParent(this);
}

// The scale the pair fits at; the table takes its part, the panel the rest beside it.
void MesaConAnotador::resizeEvent(QResizeEvent*) {
    const Control& forma = lienzo_.ventana().forma();
    if (forma.Width() <= 0 || forma.Height() <= 0) return;
    const double k = std::min(width() / (forma.Width() + PanelAnotador::AnchoTwips), height() / forma.Height());
    const int mesa = static_cast<int>(std::lround(forma.Width() * k));
    const int panel = static_cast<int>(std::lround(PanelAnotador::AnchoTwips * k));
    const int alto = static_cast<int>(std::lround(forma.Height() * k));
    const int x = std::max(0, (width() - mesa - panel) / 2);
    lienzo_.setGeometry(x, 0, mesa, height());
    // Rounded apart, the two may pass the window's edge by a pixel: the panel's border stays in.
    panel_->setGeometry(x + mesa, (height() - alto) / 2, std::min(panel, width() - x - mesa), alto);
    panel_->fijarEscala(k);
}

}  // namespace naipalia::vista
