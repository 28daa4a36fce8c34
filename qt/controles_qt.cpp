#include "qt/controles_qt.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>

#include "qt/animaciones_qt.h"
#include "qt/escala.h"
#include "qt/escena.h"
#include "qt/grafico_qt.h"
#include "qt/imagenes_qt.h"
#include "qt/rotulos.h"

namespace naipalia::vista {

namespace {

using EtiquetaQt = ConRaton<QLabel>;

QString texto(const std::string& s) { return QString::fromStdString(s); }

Qt::Alignment alineacion(Alineacion a, bool variasLineas) {
    const Qt::Alignment vertical = variasLineas ? Qt::AlignTop : Qt::AlignVCenter;
    switch (a) {
        case Alineacion::Centro: return Qt::AlignHCenter | vertical;
        case Alineacion::Derecha: return Qt::AlignRight | vertical;
        case Alineacion::Izquierda: break;
    }
    return Qt::AlignLeft | vertical;
}

bool variasLineas(const Propiedades& p) { return p.Height >= 2 * AltoLinea(p.TamanoLetra); }

QWidget* crearEtiqueta(Control& control, Lienzo& lienzo, Sobre sobre) {
    auto* etiqueta = new EtiquetaQt(lienzo, control);
    etiqueta->setTextFormat(Qt::PlainText);
    etiqueta->setWordWrap(variasLineas(control.propiedades()));
    if (sobre == Sobre::Fondo) return etiqueta;
    QPalette paleta = etiqueta->palette();
    paleta.setColor(QPalette::WindowText, QColor(0xf3, 0xee, 0xd8));
    paleta.setColor(QPalette::Window, QColor(0x5e, 0x37, 0x16));
    etiqueta->setPalette(paleta);
    if (sobre == Sobre::Borde) {
        etiqueta->setAutoFillBackground(true);
        etiqueta->setFrameStyle(QFrame::Panel | QFrame::Raised);
        etiqueta->setLineWidth(1);
    }
    return etiqueta;
}

// The boxes only show what the game writes: flat displays with no caret, one line or a
// block of wrapped text.
class PantallaQt : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* evento) override {
        {
            QPainter pintor(this);
            pintor.fillRect(rect(), QColor(0xf8, 0xf4, 0xe8));
            pintor.setPen(QColor(0xb4, 0xa8, 0x8e));
            pintor.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        QLabel::paintEvent(evento);
    }
};

// A line the player types into is an edit box; every other box is a display.
QWidget* crearTexto(Control& control, Lienzo& lienzo) {
    const Propiedades& p = control.propiedades();
    if (p.Editable && !variasLineas(p)) {
        auto* caja = new QLineEdit(&lienzo);
        Escena& escena = lienzo.escena();
        QObject::connect(caja, &QLineEdit::textEdited, caja, [&control, &escena](const QString& texto) {
            escena.despachar([&control, t = texto.toStdString()] { control.Text(t); });
        });
        return caja;
    }
    auto* pantalla = new PantallaQt(&lienzo);
    pantalla->setTextFormat(Qt::PlainText);
    pantalla->setWordWrap(variasLineas(p));
    QPalette paleta = pantalla->palette();
    paleta.setColor(QPalette::WindowText, QColor(0x22, 0x1c, 0x12));
    pantalla->setPalette(paleta);
    pantalla->setContentsMargins(4, 1, 4, 1);
    pantalla->setFocusPolicy(Qt::NoFocus);
    return pantalla;
}

// Enter in the list is the control's key press.
class ListaQt : public QListWidget {
public:
    ListaQt(Control& control, Escena& escena, QWidget* padre)
        : QListWidget(padre), control_(control), escena_(escena) {}

protected:
    void keyPressEvent(QKeyEvent* evento) override {
        if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && control_.KeyPress) {
            escena_.despachar([this] {
                int tecla = 13;
                control_.KeyPress(tecla);
            });
            return;
        }
        QListWidget::keyPressEvent(evento);
    }

private:
    Control& control_;
    Escena& escena_;
};

QWidget* crearLista(Control& control, Lienzo& lienzo) {
    auto* lista = new ListaQt(control, lienzo.escena(), &lienzo);
    Escena& escena = lienzo.escena();
    QObject::connect(lista, &QListWidget::currentRowChanged, lista, [&control, &escena](int fila) {
        escena.despachar([&] {
            control.ListIndex(fila);
            if (control.Click) control.Click();
        });
    });
    QObject::connect(lista, &QListWidget::itemDoubleClicked, lista, [&control, &escena] {
        if (control.DblClick) escena.despachar(control.DblClick);
    });
    return lista;
}

}  // namespace

ImagenQt::ImagenQt(Lienzo& lienzo, Control& control, ImagenesQt& imagenes)
    : ConRaton<QWidget>(lienzo, control), imagenes_(imagenes) {}

void ImagenQt::fijar(const std::string& ruta) {
    if (ruta == ruta_) return;
    ruta_ = ruta;
    escalada_ = QPixmap();
    update();
}

void ImagenQt::marcar(Marca marca, bool puesta) {
    const int antes = marcas_;
    marcas_ = puesta ? marcas_ | static_cast<int>(marca) : marcas_ & ~static_cast<int>(marca);
    if (marcas_ != antes) update();
}

void ImagenQt::paintEvent(QPaintEvent*) {
    if (ruta_.empty()) return;
    const double densidad = devicePixelRatioF();
    const QSize tamano = size() * densidad;
    if (escalada_.size() != tamano) {
        escalada_ = imagenes_.imagen(ruta_, tamano);
        if (escalada_.isNull()) return;
        escalada_.setDevicePixelRatio(densidad);
    }
    QPainter pintor(this);
    pintor.drawPixmap(0, 0, escalada_);
    if (!marcas_) return;
    pintor.setRenderHint(QPainter::Antialiasing);
    const double grueso = std::max(3.0, width() * 0.06);
    const QRectF marco = QRectF(rect()).adjusted(grueso / 2, grueso / 2, -grueso / 2, -grueso / 2);
    const double radio = width() * 0.08;
    if (marcada(Marca::Ganadora)) {
        // A warm glow: a wide soft band under a bright gold line.
        pintor.setPen(QPen(QColor(255, 196, 40, 110), grueso * 2.2));
        pintor.drawRoundedRect(marco, radio, radio);
        pintor.setPen(QPen(QColor(255, 214, 64), grueso));
        pintor.drawRoundedRect(marco, radio, radio);
    }
    if (marcada(Marca::Foco)) {
        pintor.setPen(QPen(QColor(0x1e, 0x6a, 0xd8), grueso * 0.8, Qt::SolidLine));
        pintor.drawRoundedRect(marco, radio, radio);
    }
}

void BotonQt::keyPressEvent(QKeyEvent* evento) {
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && evento->modifiers() == Qt::NoModifier &&
        !evento->isAutoRepeat()) {
        animateClick();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

void BotonQt::paintEvent(QPaintEvent* evento) {
    QPushButton::paintEvent(evento);
    if (!hasFocus()) return;
    // The style's dotted focus line is hard to see: a solid ring inside the border.
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const double grueso = std::max(2.0, height() * 0.09);
    pintor.setPen(QPen(QColor(0x1e, 0x6a, 0xd8), grueso));
    pintor.setBrush(Qt::NoBrush);
    const double m = grueso / 2 + 1;
    pintor.drawRoundedRect(QRectF(rect()).adjusted(m, m, -m, -m), 3, 3);
}

void BotonQt::focusInEvent(QFocusEvent* evento) {
    QPushButton::focusInEvent(evento);
    // The player moved the keyboard himself.
    if (evento->reason() == Qt::MouseFocusReason || evento->reason() == Qt::TabFocusReason ||
        evento->reason() == Qt::BacktabFocusReason || evento->reason() == Qt::ShortcutFocusReason)
        lienzo_.desaparcar();
    lienzo_.focoCambiado();
}

void BotonQt::focusOutEvent(QFocusEvent* evento) {
    QPushButton::focusOutEvent(evento);
    lienzo_.focoCambiado();
}

ZonaQt::ZonaQt(QWidget* padre) : QWidget(padre) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName("ZonaJugada");
    hide();
}

void ZonaQt::encender(bool encendida) {
    if (encendida == encendida_) return;
    encendida_ = encendida;
    update();
}

void ZonaQt::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const double grueso = std::max(2.0, width() * 0.018);
    const QRectF marco = QRectF(rect()).adjusted(grueso, grueso, -grueso, -grueso);
    const double radio = width() * 0.06;
    if (encendida_) {
        pintor.setBrush(QColor(255, 230, 120, 70));
        pintor.setPen(QPen(QColor(255, 224, 90), grueso * 1.5));
    } else {
        pintor.setBrush(QColor(255, 255, 255, 22));
        pintor.setPen(QPen(QColor(255, 255, 255, 170), grueso, Qt::DashLine));
    }
    pintor.drawRoundedRect(marco, radio, radio);
}

// The table's widgets go by their own names; a dialog's one is qualified by its window.
AnimacionQt::AnimacionQt(Lienzo& lienzo, Control& control, AnimacionesQt& animaciones)
    : ConRaton<QWidget>(lienzo, control),
      animaciones_(animaciones),
      clave_(control.ventana().nombre() == "Naipalia" ? control.nombre()
                                                      : control.ventana().nombre() + "." + control.nombre()) {
    connect(&animaciones_, &AnimacionesQt::cambiada, this, [this](const QString& widget) {
        if (widget.toStdString() == clave_) seguirPelicula();
    });
    seguirPelicula();
}

AnimacionQt::~AnimacionQt() { contar(false); }

void AnimacionQt::showEvent(QShowEvent*) { contar(true); }
void AnimacionQt::hideEvent(QHideEvent*) { contar(false); }

void AnimacionQt::contar(bool visible) {
    if (visible == contada_) return;
    contada_ = visible;
    animaciones_.vista(clave_, visible);
}

void AnimacionQt::seguirPelicula() {
    disconnect(cuadros_);
    if (QMovie* pelicula = animaciones_.pelicula(clave_))
        cuadros_ = connect(pelicula, &QMovie::frameChanged, this, [this] { update(); });
    update();
}

void AnimacionQt::paintEvent(QPaintEvent*) {
    QMovie* pelicula = animaciones_.pelicula(clave_);
    if (!pelicula) return;
    const QPixmap cuadro = pelicula->currentPixmap();
    if (cuadro.isNull()) return;
    const QSize ajustado = cuadro.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect destino(QPoint((width() - ajustado.width()) / 2, (height() - ajustado.height()) / 2), ajustado);
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawPixmap(destino, cuadro);
}

void TapeteQt::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    const double lado = std::min(width(), height());
    const double radio = lado * 0.07;
    const double borde = std::max(3.0, lado * 0.022);
    const QRectF afuera = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QLinearGradient madera(afuera.topLeft(), afuera.bottomLeft());
    madera.setColorAt(0, QColor(0x9a, 0x64, 0x30));
    madera.setColorAt(1, QColor(0x5e, 0x37, 0x16));
    pintor.setPen(QPen(QColor(0x3a, 0x21, 0x0c), 1));
    pintor.setBrush(madera);
    pintor.drawRoundedRect(afuera, radio, radio);

    const QRectF fieltro = afuera.adjusted(borde, borde, -borde, -borde);
    // The light in the middle of the felt, computed on a small picture and stretched: a
    // radial gradient at full size costs the first paint a millisecond.
    static const QImage luz = [] {
        QImage chica(48, 24, QImage::Format_RGB32);
        QPainter p(&chica);
        QRadialGradient g(QPointF(24, 12), 26);
        g.setColorAt(0, QColor(0x2e, 0x8b, 0x4f));
        g.setColorAt(1, QColor(0x14, 0x55, 0x2c));
        p.fillRect(chica.rect(), g);
        return chica;
    }();
    pintor.setPen(QPen(QColor(0, 0, 0, 110), 1.5));
    pintor.setBrush(QColor(0x14, 0x55, 0x2c));
    pintor.drawRoundedRect(fieltro, radio - borde / 2, radio - borde / 2);
    // Inset past the rounded corners, where the light has already faded to the edge colour.
    const double dentro = (radio - borde / 2) * 0.6;
    pintor.setRenderHint(QPainter::SmoothPixmapTransform);
    pintor.drawImage(fieltro.adjusted(dentro, dentro, -dentro, -dentro), luz);

    // A faint seam just inside the rim, clear of the labels on the felt.
    pintor.setPen(QPen(QColor(255, 255, 255, 40), 1, Qt::DashLine));
    pintor.setBrush(Qt::NoBrush);
    const double costura = std::max(1.5, borde * 0.4);
    pintor.drawRoundedRect(fieltro.adjusted(costura, costura, -costura, -costura), radio - borde, radio - borde);
}

void MarcoQt::fijarTitulo(const QString& titulo) {
    if (titulo == titulo_) return;
    titulo_ = titulo;
    update();
}

void MarcoQt::paintEvent(QPaintEvent*) {
    QPainter pintor(this);
    const QFontMetrics medidas(font());
    const int medio = titulo_.isEmpty() ? 0 : medidas.height() / 2;
    pintor.setPen(QColor(0xc4, 0xb9, 0xa2));
    pintor.setBrush(QColor(0xe6, 0xdf, 0xd0));
    pintor.drawRect(QRect(0, medio, width() - 1, height() - 1 - medio));
    if (titulo_.isEmpty()) return;
    const int margen = medidas.height() / 2;
    const QRect caja(margen, 0, medidas.horizontalAdvance(titulo_) + margen, medidas.height());
    pintor.fillRect(caja, palette().color(QPalette::Window));
    pintor.setPen(palette().color(QPalette::WindowText));
    pintor.drawText(caja.adjusted(margen / 2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, titulo_);
}

bool EsTapete(const Control& control) {
    return control.tipo() == TipoControl::Marco && control.nombre() == "DisenoMesa";
}

bool EsBotonCarta(const Control& control) {
    return control.tipo() == TipoControl::Boton && control.nombre() == "BotonCarta";
}

QString NombreQt(const Control& control) {
    const QString nombre = QString::fromStdString(control.nombre());
    return control.indice() < 0 ? nombre : QString("%1(%2)").arg(nombre).arg(control.indice());
}

QWidget* CrearWidget(Control& control, Lienzo& lienzo, Sobre sobre) {
    Escena& escena = lienzo.escena();
    switch (control.tipo()) {
        case TipoControl::Boton: {
            auto* boton = new BotonQt(lienzo);
            QObject::connect(boton, &QPushButton::clicked, boton, [&control, &escena] {
                if (control.Click) escena.despachar(control.Click);
            });
            return boton;
        }
        case TipoControl::Etiqueta: return crearEtiqueta(control, lienzo, sobre);
        case TipoControl::Texto: return crearTexto(control, lienzo);
        case TipoControl::Imagen: return new ImagenQt(lienzo, control, escena.imagenes);
        case TipoControl::Animacion: return new AnimacionQt(lienzo, control, escena.animaciones);
        case TipoControl::Marco:
            if (EsTapete(control)) return new TapeteQt(&lienzo);
            return new MarcoQt(&lienzo);
        case TipoControl::Lista: return crearLista(control, lienzo);
        case TipoControl::Grafico: return new GraficoQt(&lienzo);
        case TipoControl::Formulario:
        case TipoControl::Menu:
        case TipoControl::Temporizador:
        case TipoControl::Sonido: break;
    }
    return nullptr;
}

void AplicarPropio(const Control& control, QWidget& widget, const Propiedades& p, const Propiedades& visto, bool todo) {
    const bool caption = todo || p.Caption != visto.Caption;
    const bool alinear = todo || p.Alinear != visto.Alinear;
    switch (control.tipo()) {
        case TipoControl::Boton:
            if (caption) static_cast<QPushButton&>(widget).setText(Rotulo(control));
            break;
        case TipoControl::Etiqueta: {
            auto& etiqueta = static_cast<QLabel&>(widget);
            if (caption) etiqueta.setText(texto(p.Caption));
            if (alinear) etiqueta.setAlignment(alineacion(p.Alinear, etiqueta.wordWrap()));
            break;
        }
        case TipoControl::Texto: {
            if (auto* caja = qobject_cast<QLineEdit*>(&widget)) {
                // What the player just typed is already there: his cursor stays.
                if ((todo || p.Text != visto.Text) && caja->text() != texto(p.Text)) {
                    caja->setText(texto(p.Text));
                    caja->setCursorPosition(0);  // the start of a padded name, not its blanks
                }
                if (alinear) caja->setAlignment(alineacion(p.Alinear, false));
                break;
            }
            auto& pantalla = static_cast<QLabel&>(widget);
            if (todo || p.Text != visto.Text) pantalla.setText(texto(p.Text));
            if (alinear) pantalla.setAlignment(alineacion(p.Alinear, pantalla.wordWrap()));
            break;
        }
        case TipoControl::Imagen: static_cast<ImagenQt&>(widget).fijar(p.Picture); break;
        case TipoControl::Marco:
            if (caption && !EsTapete(control)) static_cast<MarcoQt&>(widget).fijarTitulo(texto(p.Caption));
            break;
        case TipoControl::Lista: {
            auto& lista = static_cast<QListWidget&>(widget);
            const QSignalBlocker callado(lista);
            if (todo || p.List != visto.List) {
                lista.clear();
                for (const std::string& fila : p.List) lista.addItem(texto(fila));
            }
            lista.setCurrentRow(p.ListIndex);
            break;
        }
        case TipoControl::Grafico:
            if (todo || p.List != visto.List) static_cast<GraficoQt&>(widget).fijar(p.List);
            break;
        default: break;
    }
}

}  // namespace naipalia::vista
