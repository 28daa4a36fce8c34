// The accelerator letters the face gives the captions: unique within a window's buttons
// and menu bar, and within each menu; the model's captions stay as they are.
#pragma once

#include <QString>
#include <vector>

#include "platform/control.h"

namespace naipalia::vista {

// Each caption keeps its own letter while no earlier one holds it; a clashing one takes
// the first free initial of a word, else the first free letter, else none.
std::vector<QString> LetrasUnicas(const std::vector<QString>& captions);

// A button's or menu entry's caption as drawn, with its letter among its neighbours.
QString Rotulo(const Control& control);

}  // namespace naipalia::vista
