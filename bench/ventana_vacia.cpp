// naipalia-ventana-vacia: a bare Qt Widgets window, the yardstick of naipalia-bench-arranque.
#include <QApplication>
#include <QMainWindow>

#include "qt/medicion.h"

int main(int argc, char* argv[]) {
    QApplication aplicacion(argc, argv);
    naipalia::vista::PrepararMedicion();
    QMainWindow ventana;
    ventana.resize(800, 600);
    ventana.show();
    return QApplication::exec();
}
