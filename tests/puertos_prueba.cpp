#include "puertos_prueba.h"

#include <filesystem>

#include "shell/naipalia.h"

namespace naipalia::prueba {

Plataforma::Plataforma()
    : puertos{*this, *this, *this, *this, *this, *this, *this, *this, *this, "/programa"} {
    juego = std::make_unique<Juego>(puertos);
    juego->arrancar();
}

Juego& Plataforma::jugar(std::array<int, 6> cartas, bool manoJugador) {
    cartas_ = cartas;
    if (manoJugador) juego->naipalia.MenuMJugador_Click();
    else juego->naipalia.MenuMCompu_Click();
    juego->naipalia.MenuNuevo_Click();
    return *juego;
}

Respuesta Plataforma::mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta) {
    mensajes.push_back({texto, icono});
    if (botones == Botones::Aceptar) return Respuesta::Aceptar;
    if (respuestas.empty()) return Respuesta::No;
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
}

void Plataforma::mostrarModal(Ventana& ventana) {
    modales.push_back(ventana.nombre());
    if (alMostrarModal) alMostrarModal(ventana);
    else ventana.Hide();
}

double Plataforma::siguiente() {
    if (sorteos.empty()) return std::uniform_real_distribution<double>(0.0, 1.0)(generador_);
    const double r = sorteos.front();
    sorteos.pop_front();
    return r;
}

std::optional<std::array<int, 6>> Plataforma::repartoFijado() {
    auto c = cartas_;
    cartas_.reset();
    return c;
}

bool Plataforma::comando(const std::string& reproductor, const std::string& orden, const std::string& archivo) {
    if (orden == "Play" && reproductor == "MultimediaSonido")
        voces.push_back(std::filesystem::path(archivo).stem().string());
    return true;
}

}  // namespace naipalia::prueba
