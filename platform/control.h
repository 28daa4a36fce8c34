// A control of a window model: plain data plus the handlers the game binds to it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace naipalia {

class Ventana;

enum class TipoControl {
    Formulario,  // the window itself
    Boton,
    Etiqueta,
    Texto,
    Imagen,
    Marco,
    Menu,
    Temporizador,
    Lista,
    Sonido,     // a wave player driven by commands
    Animacion,  // an animated picture
    Grafico,    // a chart of the numbers in its list, drawn by the face
};

enum class Alineacion { Izquierda, Centro, Derecha };

// Everything a control shows or holds; unloading a window restores its design values
// (Control::restaurarDiseno and restaurarTextos name every field a setter writes; the looks
// are design only).
struct Propiedades {
    std::string Caption;
    std::string Text;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    double Left = 0, Top = 0, Width = 0, Height = 0;  // twips
    int Interval = 0;                                 // milliseconds
    std::vector<std::string> List;
    int ListIndex = -1;
    std::string Picture;   // full path of the picture shown
    std::string FileName;  // sound player's file
    int MousePointer = 0;  // 99: the custom pointer of MouseIcon
    std::string MouseIcon;
    // Looks, for the adapters only.
    int TamanoLetra = 0;  // points; 0 = the adapter's default
    bool Negrita = false;
    Alineacion Alinear = Alineacion::Izquierda;
    bool Editable = false;  // a text box the player types into
};

constexpr int BotonIzquierdo = 1;
constexpr int BotonDerecho = 2;
constexpr int PunteroPropio = 99;

class Control {
public:
    Control(Ventana& ventana, std::string nombre, TipoControl tipo, int indice = -1);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Ventana& ventana() const { return ventana_; }
    const std::string& nombre() const { return nombre_; }
    int indice() const { return indice_; }
    TipoControl tipo() const { return tipo_; }
    const Propiedades& propiedades() const { return p_; }

    // Reading never loads the window.
    const std::string& Caption() const { return p_.Caption; }
    const std::string& Text() const { return p_.Text; }
    bool Enabled() const { return p_.Enabled; }
    bool Visible() const { return p_.Visible; }
    bool Checked() const { return p_.Checked; }
    double Left() const { return p_.Left; }
    double Top() const { return p_.Top; }
    double Width() const { return p_.Width; }
    double Height() const { return p_.Height; }
    int Interval() const { return p_.Interval; }
    const std::string& Picture() const { return p_.Picture; }
    const std::string& FileName() const { return p_.FileName; }
    int MousePointer() const { return p_.MousePointer; }
    const std::string& MouseIcon() const { return p_.MouseIcon; }
    const std::vector<std::string>& List() const { return p_.List; }
    int ListIndex() const { return p_.ListIndex; }

    // Writing loads the window first; a write that changes nothing tells no adapter.
    // A text write always runs Change.
    inline void Caption(std::string_view v);
    inline void Text(std::string_view v);
    inline void Enabled(bool v);
    inline void Visible(bool v);
    inline void Checked(bool v);
    inline void Left(double v);
    inline void Top(double v);
    inline void Width(double v);
    inline void Height(double v);
    inline void Move(double left, double top);
    inline void Interval(int v);
    inline void Picture(std::string_view v);
    inline void FileName(std::string_view v);
    inline void MousePointer(int v);
    inline void MouseIcon(std::string_view v);
    void List(std::vector<std::string> v);
    inline void ListIndex(int v);

    // Design-time set-up: no load, no notification.
    Propiedades& diseno() { return p_; }
    Control& disenar(double left, double top, double width, double height, std::string_view caption = {}) {
        p_.Left = left;
        p_.Top = top;
        p_.Width = width;
        p_.Height = height;
        p_.Caption = caption;
        return *this;
    }
    void guardarDiseno() {
        diseno_ = p_;
        modificados_ = 0;
    }
    // Only a control written since it was loaded has anything to restore.
    inline void restaurarDiseno();

    // Menus: the entry this one hangs from (empty for the bar) and its shortcut.
    std::string padre;
    std::string atajo;

    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> Change;
    std::function<void()> Timer;
    // A key typed into the control, by its character code (13 for Enter).
    std::function<void(int& tecla)> KeyPress;
    std::function<void(int boton, int shift, double x, double y)> MouseDown;
    std::function<void(int boton, int shift, double x, double y)> MouseMove;
    std::function<void(int boton, int shift, double x, double y)> MouseUp;

private:
    // Which fields were written since the design, so that an unload restores only those.
    enum Campo : unsigned {
        CampoCaption = 1u << 0,
        CampoText = 1u << 1,
        CampoList = 1u << 2,
        CampoPicture = 1u << 3,
        CampoFileName = 1u << 4,
        CampoMouseIcon = 1u << 5,
        CampoOtros = 1u << 6,
    };
    inline void marcar(unsigned cual);
    template <typename T>
    inline void escribir(T& campo, T valor);
    inline void escribirTexto(std::string& campo, std::string_view valor, Campo cual);
    void cambiarTexto(std::string& campo, std::string_view valor, Campo cual);
    void restaurarTextos(unsigned modificados);

    Ventana& ventana_;
    std::string nombre_;
    TipoControl tipo_;
    int indice_;
    Propiedades p_;
    Propiedades diseno_;
    unsigned modificados_ = 0;  // Campo bits
};

}  // namespace naipalia
