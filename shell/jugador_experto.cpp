#include "shell/jugador_experto.h"

#include <array>
#include <utility>

#include "game/tanto.h"
#include "opponent/experto.h"

namespace naipalia {

namespace {

bool usable(const Control& c) { return c.Enabled() && c.Visible(); }

}  // namespace

int JugadorExperto::mano() const { return static_cast<int>(j_.ronda.ManoActual); }

// The player's view with what he learnt this round: a new deal forgets it, and a call of
// his that the computer took up teaches what was worked out when he made it.
Vista JugadorExperto::vista() {
    if (e_.RondasJugadas != ronda_) {
        ronda_ = e_.RondasJugadas;
        creencia_ = {};
        siAcepta_.reset();
        suyasVistas_ = 0;
    }
    if (siAcepta_ && e_.EstadoTruco == siAcepta_->first && e_.QuienTruco == Lado::Computadora)
        creencia_ = std::move(siAcepta_->second);
    if (siAcepta_ && e_.EstadoTruco >= siAcepta_->first) siAcepta_.reset();
    Vista v = VistaDe(e_, Lado::Jugador, mano());
    v.creencia = &creencia_;
    while (suyasVistas_ < 3 && e_.PosicionCompu[static_cast<std::size_t>(suyasVistas_ + 1)] != 0)
        creencia_ = TrasSuCarta(e_, v, ++suyasVistas_);
    return v;
}

int JugadorExperto::tantoPropio() const { return CalcularTanto(e_.carta(1), e_.carta(2), e_.carta(3)).tanto; }

Movida MovidaEnLaMesa(const Estado& e, const Naipalia& n, const Vista& v) {
    const NivelTruco truco = usable(n.BotonTruco)     ? NivelTruco::Truco
                             : usable(n.BotonRetruco) ? NivelTruco::ReTruco
                             : usable(n.BotonVale4)   ? NivelTruco::Vale4
                                                      : NivelTruco::Nada;
    return MovidaDelJugador(e, v, usable(n.BotonEnvido), usable(n.BotonFlor), truco);
}

Control& BotonDeTruco(Naipalia& n, NivelTruco nivel) {
    return nivel == NivelTruco::Truco ? n.BotonTruco : nivel == NivelTruco::ReTruco ? n.BotonRetruco : n.BotonVale4;
}

Control* JugadorExperto::turno() {
    nuestra_ = NivelTruco::Nada;
    // Having put the envido first, it must call one.
    if (e_.TantoPrimero) return usable(n_.BotonFlor) && conFlor() ? &n_.BotonFlor : &n_.BotonEnvido;
    const Vista v = vista();
    const Movida m = MovidaEnLaMesa(e_, n_, v);
    switch (m.tipo) {
        case Movida::Tipo::Flor: return &n_.BotonFlor;
        case Movida::Tipo::Envido:
            return m.envido == Cadena::Envido       ? &n_.BotonEnvido
                   : m.envido == Cadena::RealEnvido ? &n_.BotonRealEnvido
                                                    : &n_.BotonFaltaEnvido;
        case Movida::Tipo::Truco:
            nuestra_ = m.truco;
            siAcepta_.emplace(m.truco, SiAceptaLaNuestra(e_, v, m.truco));
            return &BotonDeTruco(n_, m.truco);
        case Movida::Tipo::Carta: break;
    }
    for (int slot = 1; slot <= 3; ++slot)
        if (e_.carta(slot) == m.carta.carta && usable(n_.BotonCarta(slot))) return &n_.BotonCarta(slot);
    return nullptr;
}

// The Tanto dialog: its true tanto on the keypad; else the answer the engine values most.
Control* JugadorExperto::tanto() {
    Tanto& t = j_.tanto;
    if (t.BotonNumeroTanto(tantoPropio()).Visible()) return &t.BotonNumeroTanto(tantoPropio());
    if (usable(t.BotonFlor) && conFlor()) return &t.BotonFlor;
    const Cadena c = e_.CadenaEnvido;
    const Marcador m = MarcadorDe(e_, Lado::Jugador);
    const bool sola = c == Cadena::Envido || c == Cadena::RealEnvido || c == Cadena::FaltaEnvido;
    const Tantos tantos =
        TantosTrasSuEnvido(TantosPosibles(vista()), c, sola, e_.QuienMano == Lado::Computadora, e_.RondasJugadas, m);
    const double chance = ChanceTanto(tantos, tantoPropio(), e_.QuienMano == Lado::Jugador);
    const std::array<std::pair<Control*, Cadena>, 3> subidas{{{&t.BotonEnvido, Cadena::EnvidoEnvido},
                                                              {&t.BotonRealEnvido, Cadena::EnvidoRealEnvido},
                                                              {&t.BotonFaltaEnvido, ConFaltaEnvido(c)}}};
    for (const auto& [boton, subida] : subidas)
        if (usable(*boton) && ContestarEnvidoExperto(chance, m, c, subida) == Contesta::Sube) return boton;
    const bool quiero = ContestarEnvidoExperto(chance, m, c, Cadena::Nada) == Contesta::Quiero;
    if (usable(t.BotonQuiero) && (quiero || !usable(t.BotonNoQuiero))) return &t.BotonQuiero;
    return usable(t.BotonNoQuiero) ? &t.BotonNoQuiero : nullptr;
}

// A truco dialog: accept, refuse or raise as the engine values them.
Control* JugadorExperto::truco(Control& quiero, Control& noQuiero, Control& sube) {
    const NivelTruco llamada = Siguiente(e_.EstadoTruco);
    const NivelTruco nuestra = std::exchange(nuestra_, NivelTruco::Nada);
    // A raise over his call says more than its acceptance: only the raise is learnt.
    if (nuestra != NivelTruco::Nada) siAcepta_.reset();
    Vista v = vista();
    creencia_ = TrasSuTruco(e_, v, llamada, nuestra);
    switch (ContestarTrucoContraClasico(e_, v, llamada, usable(sube))) {
        case Contesta::Sube: return &sube;
        case Contesta::Quiero: return usable(quiero) ? &quiero : nullptr;
        default: return usable(noQuiero) ? &noQuiero : nullptr;
    }
}

// The Flores dialog: its true flor on the keypad; the computer's flor or duel accepted.
// Declining ("achico") claims a flor of its own, which only a flor may do.
Control* JugadorExperto::flores() {
    Flores& f = j_.flores;
    const int flor = ValorFlor(e_.carta(1), e_.carta(2), e_.carta(3));
    if (conFlor() && f.BotonNumeroTanto(flor).Visible()) return &f.BotonNumeroTanto(flor);
    if (usable(f.BotonAceptar)) return &f.BotonAceptar;
    return conFlor() && usable(f.BotonAchico) ? &f.BotonAchico : nullptr;
}

bool JugadorExperto::conFlor() const { return MismoPalo(e_.carta(1), e_.carta(2), e_.carta(3)); }

Control* JugadorExperto::enDialogo(Ventana& dialogo) {
    if (&dialogo == &j_.tanto) return tanto();
    if (&dialogo == &j_.flores) return flores();
    if (&dialogo == &j_.cantoTrucos) {
        CantoTrucos& c = j_.cantoTrucos;
        return truco(c.BotonQuiero, c.BotonNoQuiero, c.BotonReCanto);
    }
    if (&dialogo == &j_.trucoTantoPrimero) {
        TrucoTantoPrimero& t = j_.trucoTantoPrimero;
        // The envido it would open goes first.
        if (usable(t.BotonPrimeroTanto) &&
            MovidaDelJugador(e_, vista(), true, false, NivelTruco::Nada).tipo == Movida::Tipo::Envido)
            return &t.BotonPrimeroTanto;
        return truco(t.BotonSi, t.BotonNo, t.BotonRetruco);
    }
    if (&dialogo == &j_.finRonda)
        return usable(j_.finRonda.BotonMostrarCarta) ? &j_.finRonda.BotonMostrarCarta : &j_.finRonda.BotonMesa;
    return nullptr;
}

std::optional<bool> JugadorExperto::responder(const std::string& pregunta) const {
    if (pregunta.starts_with("¿Tienes ") || pregunta.starts_with("¿Tenes ")) return true;
    if (pregunta.starts_with("Tengo ")) {
        const int suyo = std::stoi(pregunta.substr(6));
        const int mio = j_.flores.mostrada() ? ValorFlor(e_.carta(1), e_.carta(2), e_.carta(3)) : tantoPropio();
        return mio <= suyo;  // the computer is mano when it states first: ties are its
    }
    return std::nullopt;
}

}  // namespace naipalia
