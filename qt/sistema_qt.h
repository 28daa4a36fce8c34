// The small ports: clock, random numbers, screen and desktop links.
#pragma once

#include <QPointer>
#include <random>
#include <string>

#include "platform/puertos.h"

class QDialog;

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
    // The help file in a window of the program's own, kept open beside the table.
    void mostrarAyuda(const std::string& ruta) override;

private:
    QPointer<QDialog> ayuda_;
};

}  // namespace naipalia::vista
