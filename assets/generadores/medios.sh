#!/usr/bin/env bash
# Regenerates the program's media (voices, card sound, face icons, adverts, help)
# and the desktop integration files. Run from the repository root:
#   bash assets/generadores/medios.sh [CONTACT_SHEET.png]
# Needs: espeak-ng, sox, /usr/bin/python3 with Pillow, DejaVu fonts.
set -euo pipefail

aqui="$(cd "$(dirname "$0")" && pwd)"
programa="$aqui/../programa"
escritorio="$aqui/../escritorio"
mkdir -p "$programa/Propaganda" "$escritorio"

# The system Python is the one that carries Pillow; keep its bytecode out of the tree.
export PYTHONDONTWRITEBYTECODE=1
PY=/usr/bin/python3

bash "$aqui/sonidos.sh" "$programa"
"$PY" "$aqui/caras.py" "$programa"
"$PY" "$aqui/propaganda.py" "$programa/Propaganda"
"$PY" "$aqui/ayuda.py" "$programa"
bash "$aqui/escritorio.sh" "$escritorio"
# Fails on a silent or clipped clip, a short or non-looping GIF, or an icon size missing.
"$PY" "$aqui/verificar.py" ${1:+"$1"} > /dev/null
echo "medios: listo"
