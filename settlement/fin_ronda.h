// The end-of-round dialog: says why the round ended and settles envido and flor.
#pragma once

#include <string>

#include "platform/ventana.h"

namespace naipalia {

class Juego;
struct Estado;

class FinRonda : public Ventana {
public:
    explicit FinRonda(Juego& juego);

    Control Imagen{*this, "Imagen", TipoControl::Imagen};
    Control EtiquetaMensaje{*this, "EtiquetaMensaje", TipoControl::Etiqueta};
    Control BotonMostrarCarta{*this, "BotonMostrarCarta", TipoControl::Boton};
    Control BotonMesa{*this, "BotonMesa", TipoControl::Boton};

    void SubOcultarCartas();
    void BotonMesa_Click();
    void BotonMostrarCarta_Click();
    void EtiquetaMensaje_Change();

protected:
    void Form_Load() override;

private:
    // Settlement (fin_ronda_liquidacion.cpp).
    void mostrarTodasLasCartas();
    void certificarCartasEnMesa();
    void MostrarCartasComputadora();
    void MostrarDosCartasComputadora(int a, int b);
    void UbicarCartasComputadora();
    void DescubrirCartasComputadora();
    void OcultarCartasComputadora();
    void AnunciarFlorComputadora();
    void CertificarTantoUnaCarta(int carta);
    void CertificarFlorIncompleta(const std::string& cantidad);
    void AvisoSinCartasEnMesa(const std::string& final);
    void FlorFalsaJugador();
    void PenalidadTanto();
    void PenalidadFlor();
    void SumarTantoJugador();
    void SumarTantoComputadora();
    void SumarFlorJugador();
    void SumarFlorComputadora();
    void SumarTantoNoQueridoJugador();
    void SumarTantoNoQueridoComputadora();
    bool reclamoFlorJugador() const;
    void advertir(const std::string& texto);
    void mentira();

    Juego& juego;
    Estado& e;
};

}  // namespace naipalia
