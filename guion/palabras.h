// The script's words, written and read in one place: the recorder writes what the driver
// reads back, quotes, escapes and numbers alike.
#pragma once

#include <string>
#include <vector>

namespace naipalia::guion {

// A quoted word: a quote or a backslash within it escaped.
std::string Citar(const std::string& texto);
// The shortest text that reads back as the very same number.
std::string Numero(double x);
// A line's words, split at blanks and tabs; a quoted word without its quotes and escapes
// (a backslash before anything else stays). An unclosed quote throws ErrorGuion.
std::vector<std::string> Partir(const std::string& linea);

}  // namespace naipalia::guion
