// The end of each round and of the game: the end-of-round dialog settles envido and
// flor (the computer proves its own, the player's declaration is checked against the
// cards he showed, lies are punished, points credited); the end-of-game dialog gives
// its remark and face by the margin and offers a new game.
// Calls: round/ronda.h (the tanto of the cards on the table), shell/operacion.h.
// Called by: the FinRonda and FinJuegos dialogs' events, whoever shows them;
// shell/juego.h (building it).
#pragma once

#include <string>

#include "game/estado.h"

namespace naipalia {

class Operacion;
class Naipalia;
class FinRonda;
class FinJuegos;
class Ronda;

class Liquidacion {
public:
    // Binds both dialogs' events to this subsystem.
    Liquidacion(Operacion& operacion, FinJuegos& finJuegos, Ronda& ronda);
    Liquidacion(const Liquidacion&) = delete;
    Liquidacion& operator=(const Liquidacion&) = delete;

    FinRonda& finRonda;
    FinJuegos& finJuegos;

    // --- The end-of-round dialog ---
    void BotonMesa_Click();
    void BotonMostrarCarta_Click();
    void MostrarCartasComputadora();
    void CertificarFlorIncompleta(const std::string& cantidad);
    void PenalidadTanto();
    void PenalidadFlor();
    void SumarTantoJugador();
    void SumarTantoComputadora();
    void SumarFlorJugador();
    void SumarFlorComputadora();
    void SumarTantoNoQueridoJugador();
    void SumarTantoNoQueridoComputadora();

    // --- The end-of-game dialog ---
    void BotonAceptar_Click();

private:
    void FinRonda_Load();
    void FinRonda_EtiquetaMensaje_Change();
    void FinJuegos_Load();
    void FinJuegos_EtiquetaMensaje_Change();

    void mostrarTodasLasCartas();
    void certificarCartasEnMesa();
    void MostrarDosCartasComputadora(int a, int b);
    void UbicarCartasComputadora();
    void DescubrirCartasComputadora();
    void OcultarCartasComputadora();
    void AnunciarFlorComputadora();
    void CertificarTantoUnaCarta(int carta);
    void AvisoSinCartasEnMesa(const std::string& final);
    void FlorFalsaJugador();
    bool reclamoFlorJugador() const;
    const char* sinCertificar() const;
    void advertir(const std::string& texto);
    void mentira();
    int puntosFlor(Lado lado) const;

    Operacion& op;
    Estado& e;
    Naipalia& n;
    Ronda& ronda;
};

}  // namespace naipalia
