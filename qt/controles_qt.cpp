#include "qt/controles_qt.h"

#include <QGroupBox>
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
#include "qt/imagenes_qt.h"

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

// One line: a read-only box, or one the player types into; several: a framed block of
// wrapped text.
QWidget* crearTexto(Control& control, Lienzo& lienzo) {
    const Propiedades& p = control.propiedades();
    if (!variasLineas(p)) {
        auto* caja = new QLineEdit(&lienzo);
        if (p.Editable) {
            Escena& escena = lienzo.escena();
            QObject::connect(caja, &QLineEdit::textEdited, caja, [&control, &escena](const QString& texto) {
                escena.despachar([&control, t = texto.toStdString()] { control.Text(t); });
            });
            return caja;
        }
        caja->setReadOnly(true);
        caja->setFocusPolicy(Qt::NoFocus);
        return caja;
    }
    auto* bloque = new QLabel(&lienzo);
    bloque->setTextFormat(Qt::PlainText);
    bloque->setWordWrap(true);
    bloque->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    bloque->setBackgroundRole(QPalette::Base);
    bloque->setForegroundRole(QPalette::Text);
    bloque->setAutoFillBackground(true);
    bloque->setMargin(4);
    return bloque;
}

// Enter in the list is the control's key press.
class ListaQt : public QListWidget {
public:
    ListaQt(Control& control, Escena& escena, QWidget* padre) : QListWidget(padre), control_(control), escena_(escena) {}

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

void ImagenQt::paintEvent(QPaintEvent*) {
    if (ruta_.empty()) return;
    const double densidad = devicePixelRatioF();
    const QSize tamano = size() * densidad;
    if (escalada_.size() != tamano) {
        const QPixmap original = imagenes_.imagen(ruta_);
        if (original.isNull()) return;
        escalada_ = original.scaled(tamano, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        escalada_.setDevicePixelRatio(densidad);
    }
    QPainter(this).drawPixmap(0, 0, escalada_);
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
    QRadialGradient luz(fieltro.center(), std::max(fieltro.width(), fieltro.height()) * 0.62);
    luz.setColorAt(0, QColor(0x2e, 0x8b, 0x4f));
    luz.setColorAt(1, QColor(0x14, 0x55, 0x2c));
    pintor.setPen(QPen(QColor(0, 0, 0, 110), 1.5));
    pintor.setBrush(luz);
    pintor.drawRoundedRect(fieltro, radio - borde / 2, radio - borde / 2);

    // A faint seam just inside the rim, clear of the labels on the felt.
    pintor.setPen(QPen(QColor(255, 255, 255, 40), 1, Qt::DashLine));
    pintor.setBrush(Qt::NoBrush);
    const double costura = std::max(1.5, borde * 0.4);
    pintor.drawRoundedRect(fieltro.adjusted(costura, costura, -costura, -costura), radio - borde, radio - borde);
}

bool EsTapete(const Control& control) {
    return control.tipo() == TipoControl::Marco && control.nombre() == "DisenoMesa";
}

QString NombreQt(const Control& control) {
    const QString nombre = QString::fromStdString(control.nombre());
    return control.indice() < 0 ? nombre : QString("%1(%2)").arg(nombre).arg(control.indice());
}

QWidget* CrearWidget(Control& control, Lienzo& lienzo, Sobre sobre) {
    Escena& escena = lienzo.escena();
    switch (control.tipo()) {
    case TipoControl::Boton: {
        auto* boton = new QPushButton(&lienzo);
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
        return new QGroupBox(&lienzo);
    case TipoControl::Lista: return crearLista(control, lienzo);
    case TipoControl::Formulario:
    case TipoControl::Menu:
    case TipoControl::Temporizador:
    case TipoControl::Sonido: break;
    }
    return nullptr;
}

void AplicarPropio(const Control& control, QWidget& widget, const Propiedades& p, const Propiedades& visto,
                   bool todo) {
    const bool caption = todo || p.Caption != visto.Caption;
    const bool alinear = todo || p.Alinear != visto.Alinear;
    switch (control.tipo()) {
    case TipoControl::Boton:
        if (caption) static_cast<QPushButton&>(widget).setText(texto(p.Caption));
        break;
    case TipoControl::Etiqueta: {
        auto& etiqueta = static_cast<QLabel&>(widget);
        if (caption) etiqueta.setText(texto(p.Caption));
        if (alinear) etiqueta.setAlignment(alineacion(p.Alinear, etiqueta.wordWrap()));
        break;
    }
    case TipoControl::Texto:
        if (auto* caja = qobject_cast<QLineEdit*>(&widget)) {
            // What the player just typed is already there: his cursor stays.
            if ((todo || p.Text != visto.Text) && caja->text() != texto(p.Text)) {
                caja->setText(texto(p.Text));
                caja->setCursorPosition(0);  // the start of a padded name, not its blanks
            }
            if (alinear) caja->setAlignment(alineacion(p.Alinear, false));
        } else {
            auto& bloque = static_cast<QLabel&>(widget);
            if (todo || p.Text != visto.Text) bloque.setText(texto(p.Text));
            if (alinear) bloque.setAlignment(alineacion(p.Alinear, true));
        }
        break;
    case TipoControl::Imagen: static_cast<ImagenQt&>(widget).fijar(p.Picture); break;
    case TipoControl::Marco:
        if (caption && !EsTapete(control)) static_cast<QGroupBox&>(widget).setTitle(texto(p.Caption));
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
    default: break;
    }
}

}  // namespace naipalia::vista
