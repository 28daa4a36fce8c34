#include "qt/programa.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QIconEngine>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QTranslator>

namespace naipalia::vista {

namespace {

// The program's icon, decoded only when the desktop asks for it and only at the sizes a
// title bar or task bar shows, never kept at its full 256 pixels.
class IconoPerezoso : public QIconEngine {
public:
    explicit IconoPerezoso(QString ruta) : ruta_(std::move(ruta)) {}

    void paint(QPainter* pintor, const QRect& rect, QIcon::Mode modo, QIcon::State estado) override {
        pintor->drawPixmap(rect, pixmap(rect.size(), modo, estado));
    }

    QPixmap pixmap(const QSize& tamano, QIcon::Mode, QIcon::State) override {
        const QSize lado = tamano.boundedTo(QSize(Mayor, Mayor));
        if (lado.isEmpty()) return QPixmap();
        if (fuente_.isNull()) {
            QImageReader lector(ruta_);
            lector.setScaledSize(QSize(Mayor, Mayor));
            fuente_ = lector.read();
            if (fuente_.isNull()) return QPixmap();
        }
        return QPixmap::fromImage(fuente_.scaled(lado, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {{16, 16}, {32, 32}, {Mayor, Mayor}}; }
    QIconEngine* clone() const override { return new IconoPerezoso(ruta_); }
    QString key() const override { return "naipalia-perezoso"; }

private:
    static constexpr int Mayor = 48;
    QString ruta_;
    QImage fuente_;
};

}  // namespace

void PrepararAplicacion(const QString& carpeta) {
    QApplication::setApplicationName("Naipalia");
    // Without them, Qt's dialogs speak English and the game goes on.
    auto* traductor = new QTranslator(qApp);
    if (traductor->load(QLocale(QLocale::Spanish), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traductor);
    QApplication::setStyle("Fusion");
    // Warm paper around the green felt, the same on every desktop.
    QPalette paleta = QApplication::style()->standardPalette();
    paleta.setColor(QPalette::Window, QColor(0xec, 0xe6, 0xd9));
    paleta.setColor(QPalette::Button, QColor(0xf3, 0xee, 0xe3));
    paleta.setColor(QPalette::Highlight, QColor(0x2e, 0x7d, 0x4f));
    QApplication::setPalette(paleta);
    // Only the game ends the program, never the last window closing.
    QApplication::setQuitOnLastWindowClosed(false);
    const QString icono = QDir(carpeta).filePath("naipalia.png");
    if (QFileInfo::exists(icono)) QApplication::setWindowIcon(QIcon(new IconoPerezoso(icono)));
}

Programa::Programa(const QString& carpeta, Mensajes* mensajes, BaseDatos* baseDatos, Azar* azar, Sonidos* sonidos)
    : escena_(imagenes_, animaciones_),
      mensajes_(escena_),
      sonidos_(carpeta),
      grabadora_(Puertos{.mensajes = mensajes ? mensajes : &mensajes_,
                         .ventanas = &escena_,
                         .reloj = &reloj_,
                         .azar = azar ? azar : &azar_,
                         .sonidos = sonidos ? sonidos : &sonidos_,
                         .animaciones = &animaciones_,
                         .imagenes = &imagenes_,
                         .pantalla = &pantalla_,
                         .escritorio = &escritorio_,
                         .baseDatos = baseDatos,
                         .carpeta = carpeta.toStdString()}),
      juego_(grabadora_.puertos()) {
    grabadora_.enlazar(juego_);
    escena_.anotador = &juego_.operacion.anotador;
    juego_.operacion.oyentes.push_back([this](const Suceso& suceso) { escena_.oir(suceso); });
}

// The windows hold pointers into the game's window models: they go first.
// However the program ends, the game in play is saved as it stands.
Programa::~Programa() {
    grabadora_.terminar();
    escena_.destruirVentanas();
}

}  // namespace naipalia::vista
