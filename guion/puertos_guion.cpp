#include "guion/puertos_guion.h"

#include <filesystem>
#include <fstream>

#include "platform/wav.h"

namespace naipalia::guion {

namespace {

std::string cabecera(const std::string& ruta, std::size_t bytes) {
    std::ifstream f(ruta, std::ios::binary);
    std::string datos(bytes, '\0');
    if (!f.read(datos.data(), static_cast<std::streamsize>(bytes))) return {};
    return datos;
}

const char* nombreIcono(Icono icono) {
    switch (icono) {
    case Icono::Critico: return "critical";
    case Icono::Exclamacion: return "exclamation";
    case Icono::Informacion: return "information";
    default: return "question";
    }
}

int reproductor(const std::string& nombre) { return nombre == "MultimediaCarta" ? 1 : 0; }
int widget(const std::string& nombre) { return nombre == "TMaxAniCentral" ? 1 : 0; }

}  // namespace

void Transcripcion::linea(const std::string& texto) { salida_ << texto << '\n' << std::flush; }

std::string Transcripcion::escapar(const std::string& texto) {
    std::string r;
    for (std::size_t i = 0; i < texto.size(); ++i) {
        if (texto[i] == '\r' && i + 1 < texto.size() && texto[i + 1] == '\n') continue;
        if (texto[i] == '\n') r += "\\n";
        else r += texto[i];
    }
    return r;
}

std::string RutaRelativa(const std::string& carpeta, const std::string& ruta) {
    return std::filesystem::path(ruta).lexically_relative(carpeta).generic_string();
}

Respuesta MensajesGuion::mostrar(const std::string& texto, Icono icono, Botones botones, Respuesta) {
    t_.linea(std::string("MESSAGE ") + nombreIcono(icono) + " " + Transcripcion::escapar(texto));
    if (botones == Botones::Aceptar) return Respuesta::Aceptar;
    return g_.responder(texto);
}

double AzarGuion::siguiente() {
    if (++sorteosDelReparto_ > 10000) throw ErrorGuion{"the deal drew more than 10000 numbers without completing"};
    if (!cola.empty()) {
        const double r = cola.front();
        cola.pop_front();
        return r;
    }
    if (fijo) return *fijo;
    return std::uniform_real_distribution<double>(0.0, 1.0)(generador_);
}

std::optional<std::array<int, 6>> AzarGuion::repartoFijado() {
    auto cartas = proximasCartas;
    proximasCartas.reset();
    return cartas;
}

bool SonidosGuion::comando(const std::string& nombre, const std::string& orden, const std::string& archivo) {
    std::string& abierto = abierto_[reproductor(nombre)];
    if (orden == "Close") {
        abierto.clear();
        return true;
    }
    if (orden == "Open") {
        if (!EsWavReproducible(archivo)) return false;
        abierto = archivo;
        return true;
    }
    if (abierto.empty()) return false;
    const std::filesystem::path p(abierto);
    if (reproductor(nombre) == 0) t_.linea("VOICE " + p.stem().string());
    else t_.linea("SOUND " + p.filename().string());
    return true;
}

bool AnimacionesGuion::archivo(const std::string& nombre, const std::string& ruta) {
    const std::string h = cabecera(ruta, 6);
    if (h != "GIF89a" && h != "GIF87a") return false;
    cargado_[widget(nombre)] = ruta;
    return true;
}

void AnimacionesGuion::iniciar(const std::string& nombre) {
    const std::string& ruta = cargado_[widget(nombre)];
    if (!ruta.empty()) t_.linea("PICTURE " + nombre + " " + RutaRelativa(g_.carpeta, ruta));
}

bool ImagenesGuion::cargable(const std::string& ruta) {
    const std::string h = cabecera(ruta, 8);
    if (h.size() < 8) return false;
    return h.compare(0, 6, "GIF89a") == 0 || h.compare(0, 6, "GIF87a") == 0 || h.compare(1, 3, "PNG") == 0 ||
           h.compare(0, 4, std::string("\0\0\1\0", 4)) == 0;
}

// Close enough to the desktop's proportional font for the dialogs' own layout.
double PantallaGuion::anchoTexto(const std::string& texto, int tamanoLetra, bool negrita) {
    double caracteres = 0;
    for (unsigned char c : texto)
        if ((c & 0xC0) != 0x80) caracteres += 1;
    const double porCaracter = 90.0 * (tamanoLetra > 0 ? tamanoLetra : 8) / 8.0 * (negrita ? 1.1 : 1.0);
    return caracteres * porCaracter;
}

bool EscritorioGuion::abrirEnlace(const std::string& destino, std::string&) {
    t_.linea("LINK " + destino);
    return true;
}

void EscritorioGuion::mostrarAyuda(const std::string& ruta) { t_.linea("HELP " + RutaRelativa(g_.carpeta, ruta)); }

}  // namespace naipalia::guion
