// The script's lines, read with bounds: a stranger's file may be endless, hold one endless
// line or bytes that are no text.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace naipalia::guion {

class LectorGuion {
public:
    // `antesDeEsperar` runs before each read that may block (the transcript is flushed).
    LectorGuion(int fd, std::function<void()> antesDeEsperar);
    // The next line, without its line break; nullopt at the end of the script.
    std::optional<std::string> siguiente();
    // The number of the line last returned, or being read.
    int numero() const { return numero_; }

    static constexpr std::size_t LineaMaxima = 64 * 1024;
    static constexpr std::size_t GuionMaximo = 16 * 1024 * 1024;

private:
    bool llenar();

    int fd_;
    std::function<void()> antesDeEsperar_;
    std::string bloque_;
    std::size_t posicion_ = 0;
    std::size_t leidos_ = 0;
    int numero_ = 0;
};

}  // namespace naipalia::guion
