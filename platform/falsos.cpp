#include "platform/falsos.h"

#include <fstream>

#include "platform/ventana.h"
#include "platform/wav.h"

namespace naipalia {

namespace {

std::string cabecera(const std::string& ruta, std::size_t bytes) {
    std::ifstream f(ruta, std::ios::binary);
    std::string datos(bytes, '\0');
    if (!f.read(datos.data(), static_cast<std::streamsize>(bytes))) return {};
    return datos;
}

bool esGif(const std::string& h) { return h.compare(0, 6, "GIF89a") == 0 || h.compare(0, 6, "GIF87a") == 0; }

int reproductor(const std::string& nombre) { return nombre == "MultimediaCarta" ? 1 : 0; }
int widget(const std::string& nombre) { return nombre == "TMaxAniCentral" ? 1 : 0; }

}  // namespace

Falsos::Falsos(std::string carpeta) {
    puertos.mensajes = this;
    puertos.ventanas = this;
    puertos.reloj = this;
    puertos.azar = this;
    puertos.sonidos = this;
    puertos.animaciones = this;
    puertos.imagenes = this;
    puertos.pantalla = this;
    puertos.escritorio = this;
    puertos.carpeta = std::move(carpeta);
}

void Falsos::sembrarGenerador(std::uint32_t semilla) {
    twister_.seed(semilla);
    generador = nullptr;
    fijo.reset();
}

Respuesta Falsos::mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta) {
    if (alMensaje) alMensaje(texto, icono);
    if (botones == Botones::Aceptar) return Respuesta::Aceptar;
    return responder ? responder(texto) : Respuesta::No;
}

void Falsos::mostrarModal(Ventana& ventana) {
    if (alMostrarModal) alMostrarModal(ventana);
    else ventana.Hide();
}

void Falsos::terminar() {
    if (alTerminar) alTerminar();
}

double Falsos::siguiente() {
    ++sorteosDelReparto_;
    if (alSortear) alSortear(sorteosDelReparto_);
    if (!cola.empty()) {
        const double r = cola.front();
        cola.pop_front();
        return r;
    }
    if (fijo) return *fijo;
    if (generador) return generador();
    return std::uniform_real_distribution<double>(0.0, 1.0)(twister_);
}

std::optional<std::array<int, 6>> Falsos::repartoFijado() {
    auto cartas = proximasCartas;
    proximasCartas.reset();
    return cartas;
}

bool Falsos::comando(const std::string& nombre, const std::string& orden, const std::string& archivo) {
    std::string& abierto = abiertos_[reproductor(nombre)];
    if (orden == "Close") {
        abierto.clear();
        return true;
    }
    if (orden == "Open") {
        if (revisarArchivos && !EsWavReproducible(archivo)) return false;
        abierto = archivo;
        return true;
    }
    if (abierto.empty()) return false;
    if (alReproducir) alReproducir(nombre, abierto);
    return true;
}

bool Falsos::archivo(const std::string& nombre, const std::string& ruta) {
    if (revisarArchivos && !esGif(cabecera(ruta, 6))) return false;
    animados_[widget(nombre)] = ruta;
    return true;
}

void Falsos::iniciar(const std::string& nombre) {
    const std::string& ruta = animados_[widget(nombre)];
    if (!ruta.empty() && alAnimar) alAnimar(nombre, ruta);
}

bool Falsos::cargable(const std::string& ruta) {
    if (!revisarArchivos) return true;
    const std::string h = cabecera(ruta, 8);
    if (h.size() < 8) return false;
    return esGif(h) || h.compare(1, 3, "PNG") == 0 || h.compare(0, 4, std::string("\0\0\1\0", 4)) == 0;
}

// Close enough to the desktop's proportional font for the dialogs' own layout.
double Falsos::anchoTexto(const std::string& texto, int tamanoLetra, bool negrita) {
    double caracteres = 0;
    for (unsigned char c : texto)
        if ((c & 0xC0) != 0x80) caracteres += 1;
    const double porCaracter = 90.0 * (tamanoLetra > 0 ? tamanoLetra : 8) / 8.0 * (negrita ? 1.1 : 1.0);
    return caracteres * porCaracter;
}

bool Falsos::abrirEnlace(const std::string& destino, std::string&) {
    if (alEnlace) alEnlace(destino);
    return true;
}

void Falsos::mostrarAyuda(const std::string& ruta) {
    if (alAyuda) alAyuda(ruta);
}

}  // namespace naipalia
