#include "guion/lector.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "guion/senales.h"
#include "guion/transcripcion.h"

namespace naipalia::guion {

namespace {

// A control byte refused anywhere in a line: a NUL would cut a name where the system
// reads it, and no command needs one. The tab stays a blank.
void exigirTexto(const std::string& linea) {
    for (const char c : linea) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && b != '\t') || b == 0x7f) {
            char motivo[48];
            std::snprintf(motivo, sizeof motivo, "a control byte 0x%02x in the line", b);
            throw ErrorGuion{motivo};
        }
    }
}

}  // namespace

LectorGuion::LectorGuion(int fd, std::function<void()> antesDeEsperar)
    : fd_(fd), antesDeEsperar_(std::move(antesDeEsperar)) {}

std::optional<std::string> LectorGuion::siguiente() {
    ++numero_;
    std::string linea;
    bool alguno = false;
    while (posicion_ < bloque_.size() || llenar()) {
        alguno = true;
        const auto fin = bloque_.find('\n', posicion_);
        const std::size_t largo = (fin == std::string::npos ? bloque_.size() : fin) - posicion_;
        if (linea.size() + largo > LineaMaxima)
            throw ErrorGuion{"a line longer than " + std::to_string(LineaMaxima) + " bytes"};
        linea.append(bloque_, posicion_, largo);
        posicion_ += largo;
        if (fin != std::string::npos) {
            ++posicion_;
            break;
        }
    }
    if (!alguno) {
        --numero_;
        return std::nullopt;
    }
    if (!linea.empty() && linea.back() == '\r') linea.pop_back();
    exigirTexto(linea);
    return linea;
}

bool LectorGuion::llenar() {
    antesDeEsperar_();
    bloque_.resize(LineaMaxima);
    posicion_ = 0;
    for (;;) {
        EsperarLectura(fd_);
        const ssize_t n = read(fd_, bloque_.data(), bloque_.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw ErrorGuion{std::string("cannot read the script: ") + std::strerror(errno)};
        bloque_.resize(static_cast<std::size_t>(n));
        leidos_ += bloque_.size();
        if (leidos_ > GuionMaximo)
            throw ErrorGuion{"a script longer than " + std::to_string(GuionMaximo / (1024 * 1024)) + " MiB"};
        return n > 0;
    }
}

}  // namespace naipalia::guion
