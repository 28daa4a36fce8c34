// The chart of the player's games: the margin of each, oldest on the left, a bar up for
// a game won and down for one lost, scaled to the window as its font is.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

namespace naipalia::vista {

class GraficoQt : public QWidget {
public:
    explicit GraficoQt(QWidget* padre) : QWidget(padre) {}
    // The margins in decimal, as the model's list holds them.
    void fijar(const std::vector<std::string>& margenes);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    std::vector<int> margenes_;
};

}  // namespace naipalia::vista
