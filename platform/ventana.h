// A window model: its controls by name and index, and the life the game relies on
// (loaded on first use, hidden keeping its state, unloaded back to its design).
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/control.h"

namespace naipalia {

// Controls sharing one name, addressed by index as the game numbers them; the indices
// may leave gaps (a keypad of 0-7 and 20-33).
class ArregloControles {
public:
    ArregloControles(Ventana& ventana, const std::string& nombre, TipoControl tipo, int desde, int hasta);
    ArregloControles(Ventana& ventana, const std::string& nombre, TipoControl tipo, std::vector<int> indices);
    // The table looks its cards and boxes up all game long: one test, by the index itself.
    Control& operator()(int indice) { return en(indice); }
    const Control& operator()(int indice) const { return en(indice); }
    const std::vector<int>& indices() const { return indices_; }

private:
    Control& en(int indice) const {
        const auto lugar = static_cast<std::size_t>(indice);
        if (lugar >= largo_ || !porIndice_[lugar]) fuera(indice);
        return *porIndice_[lugar];
    }
    [[noreturn]] void fuera(int indice) const;

    std::vector<int> indices_;  // ascending, from 0 up
    std::vector<std::unique_ptr<Control>> controles_;
    std::size_t largo_ = 0;
    std::vector<Control*> porIndice_;  // largo_ of them, from index 0; null where none is
};

class Ventana {
public:
    explicit Ventana(const std::string& nombre, TipoControl tipo = TipoControl::Formulario);
    virtual ~Ventana() = default;
    Ventana(const Ventana&) = delete;
    Ventana& operator=(const Ventana&) = delete;

    const std::string& nombre() const { return forma_.nombre(); }
    // The window's own caption, size, position and visibility.
    Control& forma() { return forma_; }
    const Control& forma() const { return forma_; }

    bool cargada() const { return cargada_; }
    void cargar();  // runs Load once while unloaded
    void Hide();    // keeps the state; nothing when unloaded
    // False when QueryUnload cancelled; nothing when unloaded. The close button of the
    // window unloads it for the user; the game's own code does so for itself.
    bool Unload(bool porElUsuario = false);
    bool mostrada() const { return cargada_ && forma_.Visible(); }

    Control* buscar(const std::string& nombre, int indice = -1) const;
    const std::vector<Control*>& controles() const { return controles_; }
    const std::vector<Control*>& botones() const { return botones_; }

    // Adapters watch the model through this; called on every property write.
    std::function<void(Control&)> alCambiar;

    // The window's events, bound by the subsystem that owns them: loading, and the
    // close request (its handler may set the cancel flag, and knows who asked).
    std::function<void()> Load;
    std::function<void(int& cancelar, bool porElUsuario)> QueryUnload;

    // The label whose caption says why a dialog opened; none for most windows.
    const Control* etiquetaMensaje() const { return etiquetaMensaje_; }

protected:
    // Call at the end of the derived constructor: design values are kept for unloads.
    void terminarDiseno();
    const Control* etiquetaMensaje_ = nullptr;

private:
    friend class Control;
    friend class ArregloControles;
    void registrar(Control& control);
    void tocado(Control&) {
        if (!cargada_) cargar();
    }
    void cambiado(Control& control) {
        if (alCambiar) alCambiar(control);
    }

    bool cargada_ = false;
    std::vector<Control*> controles_;
    std::vector<Control*> escritos_;  // since the load: what an unload restores
    std::vector<Control*> botones_;
    std::map<std::pair<std::string, int>, Control*> porNombre_;
    Control forma_;
};

inline void Control::marcar(unsigned cual) {
    if (modificados_ == 0) ventana_.escritos_.push_back(this);
    modificados_ |= cual;
}

template <typename T>
inline void Control::escribir(T& campo, T valor) {
    ventana_.tocado(*this);
    if (campo == valor) return;
    marcar(CampoOtros);
    campo = std::move(valor);
    ventana_.cambiado(*this);
}

// Most restores put back only a button's state or a card's place.
inline void Control::restaurarDiseno() {
    const unsigned modificados = modificados_;
    modificados_ = 0;
    if (modificados & CampoOtros) {
        p_.Enabled = diseno_.Enabled;
        p_.Visible = diseno_.Visible;
        p_.Checked = diseno_.Checked;
        p_.Left = diseno_.Left;
        p_.Top = diseno_.Top;
        p_.Width = diseno_.Width;
        p_.Height = diseno_.Height;
        p_.Interval = diseno_.Interval;
        p_.ListIndex = diseno_.ListIndex;
        p_.MousePointer = diseno_.MousePointer;
    }
    if (modificados & ~unsigned{CampoOtros}) restaurarTextos(modificados);
}

// The table rewrites its boxes all game long, four times in ten with what they already
// hold: that case stays inline, a change goes out of line.
inline void Control::escribirTexto(std::string& campo, std::string_view valor, Campo cual) {
    ventana_.tocado(*this);
    if (campo != valor) cambiarTexto(campo, valor, cual);
}

// A label's caption change is its Change event.
inline void Control::Caption(std::string_view v) {
    escribirTexto(p_.Caption, v, CampoCaption);
    if (tipo_ == TipoControl::Etiqueta && Change) Change();
}
inline void Control::Text(std::string_view v) {
    escribirTexto(p_.Text, v, CampoText);
    if (Change) Change();
}
inline void Control::Picture(std::string_view v) { escribirTexto(p_.Picture, v, CampoPicture); }
inline void Control::FileName(std::string_view v) { escribirTexto(p_.FileName, v, CampoFileName); }
inline void Control::MouseIcon(std::string_view v) { escribirTexto(p_.MouseIcon, v, CampoMouseIcon); }

inline void Control::Enabled(bool v) { escribir(p_.Enabled, v); }
inline void Control::Visible(bool v) { escribir(p_.Visible, v); }
inline void Control::Checked(bool v) { escribir(p_.Checked, v); }
inline void Control::Left(double v) { escribir(p_.Left, v); }
inline void Control::Top(double v) { escribir(p_.Top, v); }
inline void Control::Width(double v) { escribir(p_.Width, v); }
inline void Control::Height(double v) { escribir(p_.Height, v); }
inline void Control::Interval(int v) { escribir(p_.Interval, v); }
inline void Control::MousePointer(int v) { escribir(p_.MousePointer, v); }
inline void Control::ListIndex(int v) { escribir(p_.ListIndex, v); }

inline void Control::Move(double left, double top) {
    ventana_.tocado(*this);
    if (p_.Left == left && p_.Top == top) return;
    marcar(CampoOtros);
    p_.Left = left;
    p_.Top = top;
    ventana_.cambiado(*this);
}

}  // namespace naipalia
