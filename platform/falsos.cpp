#include "platform/falsos.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <string_view>

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

// The two players differ in length: one compare of sizes tells them apart.
int reproductor(const std::string& nombre) { return nombre.size() == std::string_view("MultimediaCarta").size(); }
int widget(const std::string& nombre) { return nombre == "TMaxAniCentral" ? 1 : nombre == "TMaxAniPropaganda" ? 0 : 2; }

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
    fijo.reset();
}

Respuesta Falsos::mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta) {
    if (alMensaje) alMensaje(texto, icono);
    if (botones == Botones::Aceptar) return Respuesta::Aceptar;
    return responder ? responder(texto) : Respuesta::No;
}

void Falsos::mostrarModal(Ventana& ventana) {
    if (alMostrarModal)
        alMostrarModal(ventana);
    else
        ventana.Hide();
}

void Falsos::terminar() {
    if (alTerminar) alTerminar();
}

double Falsos::siguiente() {
    if (++sorteosDelReparto_ > limiteSorteos && limiteSorteos > 0 && alExcederSorteos) alExcederSorteos();
    if (!cola.empty()) {
        const double r = cola.front();
        cola.pop_front();
        return r;
    }
    if (fijo) return *fijo;
    return std::uniform_real_distribution<double>(0.0, 1.0)(twister_);
}

std::optional<std::array<int, 6>> Falsos::repartoFijado() {
    auto cartas = proximasCartas;
    proximasCartas.reset();
    return cartas;
}

// "Close", "Open" and "Play" differ in their first letter. Every card and voice sends
// the three, so the unwatched case stays short: the open file is kept, out of line, only
// for whoever watches what plays.
bool Falsos::comando(const std::string& nombre, const std::string& orden, const std::string& archivo) {
    const int r = reproductor(nombre);
    const char o = orden.empty() ? ' ' : orden[0];
    if (o == 'O' && revisarArchivos && !EsWavReproducible(archivo)) return false;
    if (o == 'C' || o == 'O')
        abiertos_[r] = o == 'O';
    else if (!abiertos_[r])
        return false;
    if (alReproducir) vigilar(r, o, nombre, archivo);
    return true;
}

[[gnu::noinline]] void Falsos::vigilar(int r, char orden, const std::string& nombre, const std::string& archivo) {
    if (orden == 'C')
        archivos_[r].clear();
    else if (orden == 'O')
        archivos_[r] = archivo;
    else
        alReproducir(nombre, archivos_[r]);
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
    // Characters are the bytes that are not UTF-8 continuations (10xxxxxx), counted
    // eight bytes at a time.
    const std::size_t largo = texto.size();
    std::size_t continuaciones = 0, i = 0;
    for (; i + 8 <= largo; i += 8) {
        std::uint64_t bloque;
        std::memcpy(&bloque, texto.data() + i, 8);
        const std::uint64_t marcas = (bloque & ~(bloque << 1) & 0x8080808080808080ULL) >> 7;
        continuaciones += static_cast<std::size_t>((marcas * 0x0101010101010101ULL) >> 56);
    }
    for (; i < largo; ++i) continuaciones += (static_cast<unsigned char>(texto[i]) & 0xC0) == 0x80;
    const auto caracteres = static_cast<double>(largo - continuaciones);
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
