// The recordings of the games on disk: one file per game in the user's data folder, and
// the game menu's entry that saves one where the player chooses.
#pragma once

#include <QString>
#include <functional>
#include <string>

namespace naipalia {
class Grabadora;
}

namespace naipalia::vista {

class Escena;

// Each game in a file named by the time it began, the newest `conservadas` of the
// program's own files kept. A write that fails leaves the last good copy and is told once
// a run (`avisar`, by default a message box over the active window); the game goes on.
class Partidas {
public:
    using Aviso = std::function<void(const QString& texto)>;
    explicit Partidas(QString carpeta, Aviso avisar = {}, int conservadas = 50);
    void guardar(int partida, const std::string& guion);

private:
    void podar() const;

    QString carpeta_;
    Aviso avisar_;
    int conservadas_;
    int partida_ = 0;
    QString archivo_;
    bool avisado_ = false;
};

// Where the player's own files go: his documents folder, else his home.
QString CarpetaDelJugador();

// "Guardar la partida…" before the game menu's last entry: the game being played, else
// the last one, to a file the player names. After start-up, once the table exists.
void AgregarGuardarPartida(Escena& escena, Grabadora& grabadora);

}  // namespace naipalia::vista
