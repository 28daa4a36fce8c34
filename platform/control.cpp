#include "platform/control.h"

#include <utility>

#include "platform/ventana.h"

namespace naipalia {

Control::Control(Ventana& ventana, std::string nombre, TipoControl tipo, int indice)
    : ventana_(ventana), nombre_(std::move(nombre)), tipo_(tipo), indice_(indice) {
    if (tipo_ != TipoControl::Formulario) ventana_.registrar(*this);
}

void Control::cambiarTexto(std::string& campo, std::string_view valor, Campo cual) {
    marcar(cual);
    campo.assign(valor);
    ventana_.cambiado(*this);
}

void Control::List(std::vector<std::string> v) {
    ventana_.tocado(*this);
    marcar(CampoList);
    p_.List = std::move(v);
    ventana_.cambiado(*this);
}

// The strings and the list: the rarer, costlier part of a restore.
void Control::restaurarTextos(unsigned modificados) {
    if (modificados & CampoCaption) p_.Caption = diseno_.Caption;
    if (modificados & CampoText) p_.Text = diseno_.Text;
    if (modificados & CampoList) p_.List = diseno_.List;
    if (modificados & CampoPicture) p_.Picture = diseno_.Picture;
    if (modificados & CampoFileName) p_.FileName = diseno_.FileName;
    if (modificados & CampoMouseIcon) p_.MouseIcon = diseno_.MouseIcon;
}

}  // namespace naipalia
