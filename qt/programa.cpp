#include "qt/programa.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QPalette>
#include <QStyle>

namespace naipalia::vista {

void PrepararAplicacion(const QString& carpeta) {
    QApplication::setApplicationName("Naipalia");
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
    if (QFileInfo::exists(icono)) QApplication::setWindowIcon(QIcon(icono));
}

Programa::Programa(const QString& carpeta, Mensajes* mensajes, BaseDatos* baseDatos)
    : escena_(imagenes_, animaciones_),
      mensajes_(escena_),
      sonidos_(carpeta),
      juego_(Puertos{.mensajes = mensajes ? mensajes : &mensajes_,
                     .ventanas = &escena_,
                     .reloj = &reloj_,
                     .azar = &azar_,
                     .sonidos = &sonidos_,
                     .animaciones = &animaciones_,
                     .imagenes = &imagenes_,
                     .pantalla = &pantalla_,
                     .escritorio = &escritorio_,
                     .baseDatos = baseDatos,
                     .carpeta = carpeta.toStdString()}) {}

// The windows hold pointers into the game's window models: they go first.
Programa::~Programa() { escena_.destruirVentanas(); }

}  // namespace naipalia::vista
