#include "qt/escala.h"

#include <QGuiApplication>
#include <algorithm>
#include <cmath>

namespace naipalia::vista {

namespace {

constexpr double TwipsPorPunto = 20.0;

double puntos(int tamanoLetra) { return tamanoLetra > 0 ? tamanoLetra : LetraPredeterminada; }

}  // namespace

// Fonts come in whole pixels: a whole size at 100 %, rounded down at other scales, so
// text never outgrows the controls sized for it at 100 %.
QFont Fuente(int tamanoLetra, bool negrita, double pixelesPorTwip) {
    QFont fuente = QGuiApplication::font();
    const double base = std::round(puntos(tamanoLetra) * TwipsPorPunto * PixelesPorTwip);
    const double escala = pixelesPorTwip / PixelesPorTwip;
    fuente.setPixelSize(std::max(1, static_cast<int>(std::floor(base * escala + 1e-6))));
    fuente.setBold(negrita);
    return fuente;
}

double AltoLinea(int tamanoLetra) { return puntos(tamanoLetra) * TwipsPorPunto * 1.25; }

}  // namespace naipalia::vista
