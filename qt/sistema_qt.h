// The small ports: clock, random numbers, screen and desktop links.
#pragma once

#include <random>
#include <string>

#include "platform/puertos.h"

namespace naipalia::vista {

class RelojQt : public Reloj {
public:
    double segundosDelDia() override;
    std::string fechaCorta() override;
};

class AzarQt : public Azar {
public:
    double siguiente() override;
    void sembrar(double semilla) override;

private:
    std::mt19937 generador_{std::random_device{}()};
};

class PantallaQt : public Pantalla {
public:
    int anchoPixeles() override;
    int altoPixeles() override;
    double anchoTexto(const std::string& texto, int tamanoLetra, bool negrita) override;
};

class EscritorioQt : public Escritorio {
public:
    bool abrirEnlace(const std::string& destino, std::string& error) override;
    void mostrarAyuda(const std::string& ruta) override;
};

}  // namespace naipalia::vista
