#include "qt/grafico_qt.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace naipalia::vista {

namespace {

const QColor Fondo(0xf8, 0xf4, 0xe8);
const QColor Borde(0xb4, 0xa8, 0x8e);
const QColor Guia(0xdd, 0xd3, 0xbd);
const QColor Tinta(0x22, 0x1c, 0x12);
const QColor Ganada(0x2e, 0x7d, 0x32);
const QColor Perdida(0xc6, 0x28, 0x28);

}  // namespace

void GraficoQt::fijar(const std::vector<std::string>& margenes) {
    std::vector<int> nuevos;
    nuevos.reserve(margenes.size());
    for (const std::string& m : margenes) nuevos.push_back(std::atoi(m.c_str()));
    if (nuevos == margenes_) return;
    margenes_ = std::move(nuevos);
    update();
}

void GraficoQt::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Fondo);
    p.setPen(Borde);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics medidas(font());
    const int linea = medidas.height();
    p.setPen(Tinta);
    if (margenes_.empty()) {
        p.drawText(rect(), Qt::AlignCenter, "Todavía no hay partidas terminadas.");
        return;
    }

    // The scale runs from the largest win to the largest loss, even always on it.
    const auto [menor, mayor] = std::minmax_element(margenes_.begin(), margenes_.end());
    const int abajo = std::min(0, *menor);
    const int arriba = std::max(0, *mayor) == abajo ? 1 : std::max(0, *mayor);
    const auto rotulo = [](int m) { return m > 0 ? "+" + QString::number(m) : QString::number(m); };
    const int anchoEscala =
        std::max(medidas.horizontalAdvance(rotulo(arriba)), medidas.horizontalAdvance(rotulo(abajo))) + linea / 2;
    const QRectF area = QRectF(rect()).adjusted(anchoEscala + linea / 2, linea, -linea / 2, -1.6 * linea);
    const auto y = [&](int margen) { return area.top() + area.height() * (arriba - margen) / (arriba - abajo); };

    // Guides: even, the largest win, the largest loss; a figure only where it clears those
    // already written.
    std::vector<double> rotuladas;
    for (const int m : {0, arriba, abajo}) {
        if (m == 0 && !rotuladas.empty()) continue;
        p.setPen(QPen(m == 0 ? Borde : Guia, m == 0 ? std::max(1.0, linea / 12.0) : 1.0));
        p.drawLine(QPointF(area.left(), y(m)), QPointF(area.right(), y(m)));
        if (std::any_of(rotuladas.begin(), rotuladas.end(), [&](double otra) { return std::abs(otra - y(m)) < linea; }))
            continue;
        rotuladas.push_back(y(m));
        p.setPen(Tinta);
        p.drawText(QRectF(0, y(m) - linea / 2.0, anchoEscala, linea), Qt::AlignRight | Qt::AlignVCenter, rotulo(m));
    }

    // The latest games that fit, each at least a few pixels wide.
    const double minimo = std::max(3.0, linea / 4.0);
    const auto caben = static_cast<std::size_t>(std::max(1.0, std::floor(area.width() / minimo)));
    const std::size_t desde = margenes_.size() > caben ? margenes_.size() - caben : 0;
    const std::size_t cuantas = margenes_.size() - desde;
    const double paso = area.width() / static_cast<double>(std::max<std::size_t>(cuantas, 1));
    const double ancho = std::min(paso * 0.7, 3.0 * linea);
    p.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < cuantas; ++i) {
        const int m = margenes_[desde + i];
        const double centro = area.left() + paso * (static_cast<double>(i) + 0.5);
        p.setBrush(m > 0 ? Ganada : Perdida);
        const double y0 = y(0), y1 = y(m);
        p.drawRect(QRectF(centro - ancho / 2, std::min(y0, y1), ancho, std::max(1.0, std::abs(y1 - y0))));
    }

    // Which games: the first and the last shown, by their number; a lone one under its bar.
    p.setPen(Tinta);
    const QRectF pie(area.left(), area.bottom() + linea * 0.3, area.width(), linea);
    const QString ultima = "Partida " + QString::number(margenes_.size());
    if (cuantas == 1) {
        p.drawText(pie, Qt::AlignHCenter | Qt::AlignVCenter, ultima);
        return;
    }
    p.drawText(pie, Qt::AlignLeft | Qt::AlignVCenter, "Partida " + QString::number(desde + 1));
    p.drawText(pie, Qt::AlignRight | Qt::AlignVCenter, ultima);
}

}  // namespace naipalia::vista
