// The recordings of the games on disk: one file per game in the user's data folder, and
// the game menu's entry that saves one where the player chooses.
#pragma once

#include <QString>
#include <string>

namespace naipalia {
class Grabadora;
}

namespace naipalia::vista {

class Escena;

// Each game in a file named by the time it began, the newest `conservadas` kept. A write
// that fails is silent: the recording is a convenience, the game goes on.
class Partidas {
public:
    explicit Partidas(QString carpeta, int conservadas = 50);
    void guardar(int partida, const std::string& guion);

private:
    void podar() const;

    QString carpeta_;
    int conservadas_;
    int partida_ = 0;
    QString archivo_;
};

// "Guardar la partida…" before the game menu's last entry: the game being played, else
// the last one, to a file the player names. After start-up, once the table exists.
void AgregarGuardarPartida(Escena& escena, Grabadora& grabadora);

}  // namespace naipalia::vista
