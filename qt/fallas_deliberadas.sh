#!/usr/bin/env bash
# Breaks the desktop table on purpose, one fault at a time, and tells which Qt test
# caught each fault. Usage: bash qt/fallas_deliberadas.sh [BUILD_DIR]   (default: build)
# Needs a clean qt/ folder: every fault is undone with git checkout. A fault marked
# "escritorio" that the offscreen tests miss is tried on the real desktop too (Xvfb, 1x and 2x).
set -uo pipefail
raiz=$(cd "$(dirname "$0")/.." && pwd)
cd "$raiz"
build=${1:-build}
if ! git diff --quiet -- qt; then echo "qt/ has uncommitted changes" >&2; exit 2; fi
artefactos=$(mktemp -d)
trap 'git checkout -q -- qt; rm -rf "$artefactos"' EXIT

probar() {
    local nombre=$1 archivo=$2 viejo=$3 nuevo=$4 escritorio=${5:-} atrapada=""
    python3 - "$archivo" "$viejo" "$nuevo" <<'PY' || { echo "$nombre: the code to break was not found"; return; }
import sys
p, viejo, nuevo = sys.argv[1:]
s = open(p).read()
if viejo not in s:
    sys.exit(1)
open(p, 'w').write(s.replace(viejo, nuevo, 1))
PY
    if ! cmake --build "$build" >/dev/null 2>&1; then
        echo "$nombre: does not build"
    else
        QT_QPA_PLATFORM=offscreen timeout 120 "$build/qt/naipalia-prueba-mesa" "$build/programa" "$artefactos" \
            >/dev/null 2>&1 || atrapada+=" mesa_qt"
        for e in 1 1.5 2; do
            timeout 120 "$build/qt/naipalia-prueba-ronda" "$build/programa" "$artefactos/$e" "$e" >/dev/null 2>&1 ||
                atrapada+=" ronda_qt_${e}x"
        done
        QT_QPA_PLATFORM=offscreen timeout 120 "$build/qt/naipalia-prueba-archivos" "$build/programa" \
            >/dev/null 2>&1 || atrapada+=" archivos_qt"
        if [[ -z $atrapada && -n $escritorio ]]; then
            ctest --test-dir "$build" -L escritorio >/dev/null 2>&1 || atrapada+=" escritorio"
        fi
        echo "$nombre:${atrapada:- NOT CAUGHT}"
    fi
    git checkout -q -- qt
}

probar "no focus moved to a card" qt/lienzo.cpp $'            e.widget->setFocus(Qt::OtherFocusReason);\n            return;' '            return;'
probar "keyboard left on a card after a dialog" qt/escena.cpp 'principal_->lienzo().aparcar();' 'principal_->lienzo().enfocarSeguro();' escritorio
probar "dialogs open over the cards" qt/escena.cpp 'if (cartasTapadas > 0 && !aunTapando) continue;' '(void)aunTapando, cartasTapadas = 0;'
probar "accelerator letters clash" qt/rotulos.cpp 'return LetrasUnicas(captions).at(mio);' 'return captions.at(mio);'
probar "a left drag plays the card" qt/lienzo.cpp 'if (carta && boton == BotonIzquierdo) {' 'if (carta && boton == 99) {'
probar "typed digits ignored" qt/dialogo.cpp 'if (boton) boton->setFocus(Qt::OtherFocusReason);' '(void)boton;'
probar "a keypad's first number takes the keyboard (a stray Enter declares 0)" qt/dialogo.cpp '    if (QPushButton* mostrar = mostrarParaCertificar()) {' $'    if (QPushButton* tecla = teclaDe(QString())) return tecla->setFocus(Qt::OtherFocusReason);\n    if (QPushButton* mostrar = mostrarParaCertificar()) {'
probar "Enter answers Yes" qt/mensajes_qt.cpp 'caja.setDefaultButton(no);' 'caja.setDefaultButton(si ? si : no);' escritorio
probar "Enter does not press" qt/controles_qt.cpp $'        animateClick();\n        return;' '        (void)0;'
probar "no focus mark on the card" qt/lienzo.cpp 'ahora->marcar(Marca::Foco, true);' '(void)ahora;'
probar "Sí/No without letters" qt/mensajes_qt.cpp '"&Sí"' '"Sí"' escritorio
probar "dialogs never narrowed" qt/dialogo.cpp '        if (ancho > 0 && k > 0)' '        if (false)'
probar "no drop outline" qt/lienzo.cpp '    if (arrastrada_ < 0) return;' '    return;'
probar "cards not raised in play order" qt/lienzo.cpp '    for (std::size_t i : subir_) alFrente(i);' '    (void)0;'
probar "no winner's mark" qt/lienzo.cpp '        imagen->marcar(Marca::Ganadora, true);' '        continue;'
probar "texts not scaled with the table" qt/escala.cpp 'std::floor(base * escala + 1e-6)' 'std::floor(base * escala * 1.6 + 1e-6)'
probar "the end-of-round dialog's warning without the keyboard on showing the cards" qt/dialogo.cpp 'if (!aviso || !mostrar || aviso->Caption().empty() || !mostrar->Enabled()) return nullptr;' 'if (aviso || mostrar) return nullptr;'
probar "Escape leaves the about area open" qt/lienzo.cpp '            if (cerrarArea()) return;' '            (void)0;'
probar "a text longer than its box is cut" qt/lienzo.cpp '            l.alto = std::max(c.Height(), altoEnvuelto(c, l.ancho));' '            (void)0;'
probar "input acts while a move is shown" qt/lienzo.cpp 'tranca_.cerrar(true);' 'tranca_.cerrar(false);'
probar "the computer's card appears at once" qt/lienzo.cpp 'if (!todo_ && (reproduciendo_ || hayViaje())) return encolar();' '(void)0;'
probar "the table not drawn as the models after a move" qt/lienzo.cpp $'    for (Elemento& e : elementos_) aplicar(e, false);\n    rematar();\n    emit movimientoTerminado();' '    emit movimientoTerminado();'
probar "a call opens before the card it follows arrives" qt/escena.cpp $'    esperarMesa();\n    // Parented' '    // Parented'
probar "the computer's card hides part of the player's" qt/lienzo.cpp 'LeftDibujadoJugador{0, 1453, 4030, 6607}' 'LeftDibujadoJugador{0, 990, 3650, 6270}'
probar "a fresh dialog's first button has the keyboard" qt/dialogo.cpp $'    lienzo_->setFocus(Qt::OtherFocusReason);\n}' $'    if (auto* b = findChild<QPushButton*>()) b->setFocus(Qt::OtherFocusReason);\n}'
probar "pruning removes any .guion" qt/partidas_qt.cpp 'return !EsPropia(nombre);' 'return !EsPropia(nombre) && !nombre.endsWith(Extension);'
probar "a recording cut by a full disk replaces the good one" qt/partidas_qt.cpp 'QIODevice::WriteOnly | QIODevice::Unbuffered' 'QIODevice::WriteOnly'
probar "the keyboard left on the next card after a click or a deal" qt/lienzo.cpp '    if (reenfocar_) aparcar();' '    if (reenfocar_) enfocarSeguro();'
probar "at start-up the first button has the keyboard" qt/escena.cpp $'    construirMesa()->show();\n    // Qt would give the keyboard to the first button, and Enter would act.\n    reenfocar();' '    construirMesa()->show();' escritorio
probar "Escape ignored by the end of the game" qt/dialogo.cpp '    if (QPushButton* aceptar = soloAceptar()) aceptar->click();' '    (void)0;' escritorio
probar "Enter ignored by a dialog that only informs" qt/dialogo.cpp '    if (QPushButton* aceptar = soloAceptar()) {' '    if (QPushButton* aceptar = nullptr) {' escritorio
probar "the registry at start-up shrunk to fit beside no table" qt/escena.cpp '    if (!principal_) return std::nullopt;' '    if (!principal_ || !principal_->isVisible()) return std::nullopt;' escritorio
probar "a dialog right after a deal opens before the cards are seen" qt/lienzo.cpp 'constexpr int VerRepartoMs = 700;' 'constexpr int VerRepartoMs = 0;'
probar "the pointer does not tell that clicks wait" qt/lienzo.cpp '            QApplication::setOverrideCursor(Qt::BusyCursor);' '            (void)0;'
probar "boxes that fit beside the anotador cover it" qt/escena.cpp 'constexpr long long PesoAnotadorTapado = 8;' 'constexpr long long PesoAnotadorTapado = 0;' escritorio
cmake --build "$build" >/dev/null 2>&1
