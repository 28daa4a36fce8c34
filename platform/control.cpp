#include "platform/control.h"

#include <utility>

#include "platform/ventana.h"

namespace naipalia {

Control::Control(Ventana& ventana, std::string nombre, TipoControl tipo, int indice)
    : ventana_(ventana), nombre_(std::move(nombre)), tipo_(tipo), indice_(indice) {
    if (tipo_ != TipoControl::Formulario) ventana_.registrar(*this);
}

template <typename T> void Control::escribir(T& campo, T valor) {
    ventana_.tocado(*this);
    campo = std::move(valor);
    ventana_.cambiado(*this);
}

// Texts are assigned in place: the table rewrites the same boxes all game long.
void Control::escribirTexto(std::string& campo, std::string_view valor) {
    ventana_.tocado(*this);
    campo.assign(valor);
    ventana_.cambiado(*this);
}

// A label's caption change is its Change event.
void Control::Caption(std::string_view v) {
    escribirTexto(p_.Caption, v);
    if (tipo_ == TipoControl::Etiqueta && Change) Change();
}
void Control::Enabled(bool v) { escribir(p_.Enabled, v); }
void Control::Visible(bool v) { escribir(p_.Visible, v); }
void Control::Checked(bool v) { escribir(p_.Checked, v); }
void Control::Left(double v) { escribir(p_.Left, v); }
void Control::Top(double v) { escribir(p_.Top, v); }
void Control::Width(double v) { escribir(p_.Width, v); }
void Control::Height(double v) { escribir(p_.Height, v); }
void Control::Interval(int v) { escribir(p_.Interval, v); }
void Control::Picture(std::string_view v) { escribirTexto(p_.Picture, v); }
void Control::FileName(std::string_view v) { escribirTexto(p_.FileName, v); }
void Control::MousePointer(int v) { escribir(p_.MousePointer, v); }
void Control::MouseIcon(std::string_view v) { escribirTexto(p_.MouseIcon, v); }
void Control::List(std::vector<std::string> v) { escribir(p_.List, std::move(v)); }
void Control::ListIndex(int v) { escribir(p_.ListIndex, v); }

void Control::Move(double left, double top) {
    ventana_.tocado(*this);
    p_.Left = left;
    p_.Top = top;
    ventana_.cambiado(*this);
}

void Control::Text(std::string_view v) {
    escribirTexto(p_.Text, v);
    if (Change) Change();
}

}  // namespace naipalia
