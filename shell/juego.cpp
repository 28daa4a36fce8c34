#include "shell/juego.h"

#include <filesystem>

#include "settlement/fin_juegos.h"
#include "settlement/fin_ronda.h"
#include "shell/naipalia.h"

namespace naipalia {

Juego::Juego(Puertos& p)
    : naipalia_(std::make_unique<Naipalia>(*this)),
      finRonda_(std::make_unique<FinRonda>(*this)),
      finJuegos_(std::make_unique<FinJuegos>(*this)),
      puertos(p),
      naipalia(*naipalia_),
      finRonda(*finRonda_),
      finJuegos(*finJuegos_) {}

Juego::~Juego() = default;

void Juego::arrancar() {
    naipalia.cargar();
    naipalia.forma().Visible(true);
    puertos.ventanas.mostrar(naipalia);
}

std::string Juego::ruta(std::string_view relativa) const {
    constexpr char separador = std::filesystem::path::preferred_separator;
    std::string r = puertos.carpeta;
    r += separador;
    for (char c : relativa) r += c == '/' ? separador : c;
    return r;
}

void Juego::mensaje(const std::string& texto, Icono icono) { puertos.mensajes.mostrar(texto, icono); }

bool Juego::preguntar(const std::string& texto, Respuesta porDefecto) {
    return puertos.mensajes.mostrar(texto, Icono::Pregunta, Botones::SiNo, porDefecto) == Respuesta::Si;
}

double Juego::azar() { return puertos.azar.siguiente(); }

void Juego::mostrarModal(Ventana& ventana) {
    ventana.cargar();
    ventana.forma().Visible(true);
    puertos.ventanas.mostrarModal(ventana);
}

}  // namespace naipalia
