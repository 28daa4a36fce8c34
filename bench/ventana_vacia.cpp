// naipalia-ventana-vacia: the yardstick of naipalia-bench-arranque, a window with one
// label and a one-entry menu bar, so it pays the same font and style set-up as the game.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "qt/medicion.h"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    naipalia::vista::PrepararMedicion();
    QMainWindow ventana;
    ventana.menuBar()->addMenu("&Juego")->addAction("&Salir", &aplicacion, &QApplication::quit);
    ventana.setCentralWidget(new QLabel("Naipalia"));
    ventana.resize(800, 600);
    ventana.show();
    return QApplication::exec();
}
