// The windows of the desktop program: the table and the modal dialogs, brought up to
// date with the model after every handler.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "game/sucesos.h"
#include "platform/puertos.h"
#include "platform/ventana.h"

#include <QMargins>
#include <QRect>
#include <optional>

class QWidget;

namespace naipalia {
class Anotador;
}

namespace naipalia::vista {

class ImagenesQt;
class AnimacionesQt;
class VentanaPrincipal;
class Dialogo;

class Escena : public Ventanas {
public:
    // Drawn beside the table when set.
    const Anotador* anotador = nullptr;

    Escena(ImagenesQt& imagenes, AnimacionesQt& animaciones);
    ~Escena() override;

    void mostrar(Ventana& ventana) override;
    void preparar(Ventana& ventana) override;
    void mostrarModal(Ventana& ventana) override;
    void terminar() override;

    // Runs a handler of the model, then brings every window up to date (a dialog the
    // model hid closes then).
    void despachar(const std::function<void()>& manejador);
    void sincronizarTodo();

    bool terminado() const { return terminado_; }
    VentanaPrincipal* principal() const { return principal_.get(); }
    // Where message boxes and dialogs open: the front dialog, else the table.
    QWidget* ventanaActiva() const;
    // The table's pixels per twip, which dialogs share.
    double escala() const;
    // Where the three hands are played on the table, on the screen.
    QRect lugarDeLasManos() const;
    // The end-of-round dialog is open: every card of the table is in play.
    bool enFinDeRonda() const;
    // The frame the desktop draws around the table's dialogs.
    QMargins marco() const;
    // Where a window of this size with its frame opens hiding none of the cards in play
    // (all the table's at the end of a round): beside, above or below them, inside the
    // screen's free area, nearest the middle of the table; none when no such place exists.
    // `aunTapando`: where none exists, the one hiding least, the player's own cards last.
    std::optional<QPoint> lugarLibre(QSize conMarco, bool todasLasManos, bool aunTapando = false) const;
    // The anotador on the screen; empty while it is not shown.
    QRect anotadorEnPantalla() const;
    // After a dialog or message box: the keyboard on nothing that acts, so a key meant
    // for the box plays nothing.
    void reenfocar();
    // What the game tells as it happens: the computer's card is shown travelling.
    void oir(const Suceso& suceso);
    // The table's moves shown in order (the face's own option, for the session).
    void animar(bool si);
    bool animando() const { return animar_; }
    // Returns once the table shows what led to a box about to open.
    void esperarMesa();
    // The widgets go before the models they draw.
    void destruirVentanas();

    ImagenesQt& imagenes;
    AnimacionesQt& animaciones;

private:
    Dialogo& dialogo(Ventana& ventana);
    VentanaPrincipal* construirMesa();

    std::map<Ventana*, std::unique_ptr<Dialogo>> dialogos_;
    Ventana* mesa_ = nullptr;  // the table's model, once the game has one
    std::unique_ptr<VentanaPrincipal> principal_;
    std::vector<Dialogo*> abiertos_;
    bool terminado_ = false;
    bool animar_ = false;
};

}  // namespace naipalia::vista
