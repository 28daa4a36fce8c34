#!/usr/bin/env bash
# Desktop integration: freedesktop entry, AppStream metainfo and the application icon.
# Usage: escritorio.sh OUTPUT_DIR
set -euo pipefail

out="${1:?output folder}"
aqui="$(cd "$(dirname "$0")" && pwd)"
mkdir -p "$out"

/usr/bin/python3 "$aqui/icono.py" "$out"

cat > "$out/naipalia.desktop" <<'EOF'
[Desktop Entry]
Type=Application
Name=Naipalia
GenericName=Truco argentino
Comment=Jugá al truco argentino contra la computadora
Exec=naipalia
Icon=naipalia
Terminal=false
Categories=Game;CardGame;
Keywords=truco;envido;flor;naipes;cartas;baraja española;
StartupNotify=true
EOF

cat > "$out/io.github.naipalia.Naipalia.metainfo.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<component type="desktop-application">
  <id>io.github.naipalia.Naipalia</id>
  <metadata_license>CC0-1.0</metadata_license>
  <project_license>GPL-3.0-or-later</project_license>
  <name>Naipalia</name>
  <summary>Truco argentino contra la computadora</summary>
  <description>
    <p>
      Naipalia es el truco argentino con la baraja española de 40 cartas, jugado mano a mano
      contra la computadora. Cantá envido, real envido y falta envido, flor, truco, retruco y
      vale cuatro, o irte al mazo, en partidas a 15 o a 30 puntos.
    </p>
    <p>
      La computadora canta, miente y descubre mentiras: al final de cada ronda revisa el tanto
      que declaraste con tus cartas y, si mentiste, se lleva los puntos y cinco más. Con los
      «recuerdos» activados guarda la historia de tus tantos y la usa para decidir cuándo querer.
    </p>
    <ul>
      <li>Envido, real envido y falta envido con todas sus combinaciones</li>
      <li>Flor opcional: con flor me achico, con flor juego y contra flor al resto</li>
      <li>Estadísticas de cada jugador y voces para los cantos</li>
      <li>Se juega con el mouse o con el teclado</li>
    </ul>
  </description>
  <launchable type="desktop-id">naipalia.desktop</launchable>
  <provides>
    <binary>naipalia</binary>
  </provides>
  <categories>
    <category>Game</category>
    <category>CardGame</category>
  </categories>
  <keywords>
    <keyword>truco</keyword>
    <keyword>envido</keyword>
    <keyword>naipes</keyword>
  </keywords>
  <content_rating type="oars-1.1"/>
  <releases>
    <release version="1.0" date="2026-12-07"/>
  </releases>
</component>
EOF
