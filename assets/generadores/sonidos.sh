#!/usr/bin/env bash
# Voice clips and the card-move sound, made with espeak-ng and sox.
# Usage: sonidos.sh OUTPUT_DIR
set -euo pipefail

out="${1:?output folder}"
mkdir -p "$out"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# -R makes sox's dither and noise generators repeatable, so runs are byte-identical.
SOX=(sox -R -V1)
RATE=22050

# file name | spoken text | words per minute | pitch (0-99)
# Texts are spelled for the synthesiser (exclamations make it livelier).
frases() {
cat <<'EOF'
Quiero|¡Quiero!|165|58
No quiero|¡No quiero!|165|50
Truco|¡Truco!|150|62
Re-Truco|¡Retruco!|150|64
Vale 4|¡Vale cuatro!|155|66
Envido|¡Envido!|150|58
Real envido|¡Real envido!|155|60
Falta Envido|¡Falta envido!|155|62
Flor|¡Flor!|140|62
Flor achico|Con flor me achico.|165|50
Flor juego|¡Con flor, juego!|165|60
Flor contra|¡Contra flor al resto!|170|64
Ehh|¡Eeeh!|120|70
Mentira|¡Mentira!|150|68
Ganar mano|¡Te gané la mano!|170|64
Perder mano|Perdí esta mano.|160|42
Ganar partido|¡Te gané el partido!|170|66
Perder partido|Perdí el partido.|155|40
EOF
}

while IFS='|' read -r nombre texto velocidad tono; do
    crudo="$tmp/crudo.wav"
    espeak-ng -v es-419 -s "$velocidad" -p "$tono" -a 70 -w "$crudo" "$texto"
    # Trim silence at both ends (reverse trick), remove rumble, even out loudness between
    # phrases, normalise to -1 dBFS, then leave a few ms of air so the clip does not start with a click.
    "${SOX[@]}" "$crudo" "$tmp/recortado.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse highpass 70 \
        compand 0.005,0.12 -70,-70,-40,-28,-20,-14,0,-8 -4 -90 0.005
    "${SOX[@]}" "$tmp/recortado.wav" -r "$RATE" -c 1 -b 16 -e signed-integer "$out/$nombre.wav" \
        fade t 0.005 -0 0.02 norm -1 pad 0.02 0.04
done < <(frases)

# Card slide: a short band-passed noise swish with a fast attack and a falling tail,
# plus a faint low tap where the card lands.
"${SOX[@]}" -n -r "$RATE" -c 1 -b 16 "$tmp/roce.wav" synth 0.22 pinknoise \
    highpass 900 lowpass 5500 fade h 0.02 0.22 0.17
"${SOX[@]}" -n -r "$RATE" -c 1 -b 16 "$tmp/golpe.wav" synth 0.05 sine 180 \
    fade q 0.002 0.05 0.045 vol 0.35 pad 0.16 0.01
"${SOX[@]}" -m "$tmp/roce.wav" "$tmp/golpe.wav" -r "$RATE" -c 1 -b 16 -e signed-integer \
    "$out/Mover.wav" norm -3
