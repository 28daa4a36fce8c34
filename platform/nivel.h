// One level deeper for as long as it lives: handlers nested in others, dialogs open.
#pragma once

namespace naipalia {

class Nivel {
public:
    explicit Nivel(int& profundidad) : p_(profundidad) { ++p_; }
    ~Nivel() { --p_; }
    Nivel(const Nivel&) = delete;
    Nivel& operator=(const Nivel&) = delete;

private:
    int& p_;
};

}  // namespace naipalia
