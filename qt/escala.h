// Twips and pixels, and the fonts the windows are drawn with.
#pragma once

#include <QFont>

namespace naipalia::vista {

// The design's 100 %: 96 dots per inch.
inline constexpr double TwipsPorPixel = 15.0;
inline constexpr double PixelesPorTwip = 1.0 / TwipsPorPixel;

// Points of the controls that leave their size to the adapter.
inline constexpr int LetraPredeterminada = 8;

// A control's font at a scale in pixels per twip (PixelesPorTwip at 100 %).
QFont Fuente(int tamanoLetra, bool negrita, double pixelesPorTwip);

// Twips taken by one line of text in that font size.
double AltoLinea(int tamanoLetra);

}  // namespace naipalia::vista
