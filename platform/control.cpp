#include "platform/control.h"

#include <utility>

#include "platform/ventana.h"

namespace naipalia {

Control::Control(Ventana& ventana, std::string nombre, TipoControl tipo, int indice)
    : ventana_(ventana), nombre_(std::move(nombre)), tipo_(tipo), indice_(indice) {
    if (tipo_ != TipoControl::Formulario) ventana_.registrar(*this);
}

// The table rewrites the same boxes all game long, mostly with what they already hold.
void Control::escribirTexto(std::string& campo, std::string_view valor, Campo cual) {
    ventana_.tocado(*this);
    if (campo == valor) return;
    marcar(cual);
    campo.assign(valor);
    ventana_.cambiado(*this);
}

// A label's caption change is its Change event.
void Control::Caption(std::string_view v) {
    escribirTexto(p_.Caption, v, CampoCaption);
    if (tipo_ == TipoControl::Etiqueta && Change) Change();
}
void Control::Picture(std::string_view v) { escribirTexto(p_.Picture, v, CampoPicture); }
void Control::FileName(std::string_view v) { escribirTexto(p_.FileName, v, CampoFileName); }
void Control::MouseIcon(std::string_view v) { escribirTexto(p_.MouseIcon, v, CampoMouseIcon); }
void Control::List(std::vector<std::string> v) {
    ventana_.tocado(*this);
    marcar(CampoList);
    p_.List = std::move(v);
    ventana_.cambiado(*this);
}

void Control::restaurarDiseno() {
    const unsigned modificados = modificados_;
    if (modificados == 0) return;
    modificados_ = 0;
    if (modificados & CampoCaption) p_.Caption = diseno_.Caption;
    if (modificados & CampoText) p_.Text = diseno_.Text;
    if (modificados & CampoList) p_.List = diseno_.List;
    if (modificados & CampoPicture) p_.Picture = diseno_.Picture;
    if (modificados & CampoFileName) p_.FileName = diseno_.FileName;
    if (modificados & CampoMouseIcon) p_.MouseIcon = diseno_.MouseIcon;
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
}

void Control::Text(std::string_view v) {
    escribirTexto(p_.Text, v, CampoText);
    if (Change) Change();
}

}  // namespace naipalia
