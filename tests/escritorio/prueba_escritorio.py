#!/usr/bin/env python3
"""The desktop program played for real: a window manager, real keys and clicks, at one
scale and screen size. Each check is a row; the game's own recordings witness what the
player did and are replayed at the end by the script driver."""
import argparse
import os
import re
import shutil
import subprocess
import sys
import time
import traceback

sys.dont_write_bytecode = True  # nothing left beside the sources
from escritorio import Fallo, LENTITUD, Pantalla, Programa, detener, esperar, exigir
from mesa import Mesa

NOMBRE = "Prueba Escritorio"
HERRAMIENTAS = ["Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "xwd"]
# The player's actions on the table as recorded; his answers in dialogs lie beneath them.
ACCION = re.compile(r"(key|click|dblclick|drag|type|select|enter) |close$")
# Questions answered No by Enter in the first game, as recorded.
RECHAZADAS = {"F5": "click MenuNuevo\nno\n", "alt+m": "click BotonMazo\nno\n"}


class Prueba:
    def __init__(self, args, trabajo):
        self.args, self.trabajo, self.filas, self.esperadas = args, trabajo, [], []
        self.pantalla = Pantalla(*(int(v) for v in args.pantalla.split("x")))
        self.programa = Programa(self.pantalla, os.path.abspath(args.programa), trabajo, args.escala)
        self.mesa, self.avisos = None, []  # the table; the frames of the messages before it

    def fila(self, nombre, comprobacion, *datos):
        """The check's row; whether it held."""
        inicio = time.monotonic()
        if self.mesa:
            self.mesa.paso = nombre
        try:
            detalle = comprobacion(*datos) or ""
            return not self.filas.append((nombre, True, f"{detalle} ({time.monotonic() - inicio:.0f} s)".lstrip()))
        except Exception as f:  # a broken harness too: a failure, not a crash
            self.filas.append((nombre, False, str(f) if isinstance(f, Fallo) else traceback.format_exc(limit=4)))
        self.pantalla.foto(os.path.join(self.trabajo, f"fila{len(self.filas)}.png"))
        return False

    def hecho(self, patron, *teclas):
        self.esperadas.append(patron)
        teclas and self.pantalla.teclas(*teclas)

    def aviso(self, aviso):
        """A message before the table: its place kept, closed by Enter; the windows after it."""
        self.avisos.append(self.pantalla.marco(aviso))
        self.pantalla.teclas("Return")
        return exigir(esperar(lambda: aviso not in (v := self.programa.ventanas()) and v, 10), "Enter did not close the message")

    def registro_primero(self):
        ventanas = esperar(self.programa.ventanas, 30)
        if list(ventanas.values()) == ["Naipalia"]:  # a screen under 800 x 600 is warned of first
            ventanas = self.aviso(next(iter(ventanas)))
        exigir(list(ventanas.values()) == ["Nuevo Jugador"], f"windows at start-up: {list(ventanas.values())}")
        self.registro = next(iter(ventanas))
        exigir(esperar(lambda: self.pantalla.activa() == self.registro, 5), "the registry is not active")
        self.tamano_registro = self.pantalla.geometria(self.registro)[2:]

    def clic_en_registro(self, ventana, left, top):
        """A click at twips of the registry's design, 8400 x 6360; its size."""
        x, y, ancho, alto = self.pantalla.geometria(ventana)
        return self.pantalla.clic(x + ancho * left // 8400, y + alto * top // 6360) or (ancho, alto)

    def registrar_y_jugar(self):
        self.clic_en_registro(self.registro, 2040, 5355)  # the box "Nuevo Jugador :"
        self.pantalla.teclas(NOMBRE, orden="type")
        self.pantalla.teclas("alt+r")
        self.aviso(exigir(esperar(lambda: [v for v in self.programa.ventanas() if v != self.registro], 5),
                          "registering showed no message")[0])
        self.pantalla.teclas("alt+j")
        titulo = "Naipalia 2005 jugando con " + NOMBRE
        mesa = esperar(lambda: [v for v, t in self.programa.ventanas().items() if t == titulo], 10)
        exigir(mesa and list(self.programa.ventanas()) == mesa,
               f"windows after 'Jugar': {list(self.programa.ventanas().values())}")
        exigir(esperar(lambda: self.pantalla.activa() == mesa[0], 5), "the table is not the active window")
        self.mesa = Mesa(self.programa, mesa[0], self.avisos)
        self.mesa.reposar()

    def registro_legible(self):
        ventana, titulo = self.mesa.abrir("alt+n")  # before the first game: no recording holds it
        ancho, alto = self.clic_en_registro(ventana, 1000, 1240)  # the list's only name
        self.pantalla.teclas("Return")  # on a listed name Enter plays
        exigir(self.mesa.cerrado(ventana), f"Enter on the name did not close '{titulo}'")
        self.mesa.reposar()
        exigir(titulo == "Nuevo Jugador" and all(abs(a - b) <= 4 for a, b in zip((ancho, alto), self.tamano_registro)),
               f"'{titulo}' from the table {ancho}x{alto}, at start-up {self.tamano_registro}")

    def y_nada_mas(self, paso, *datos):
        """After the step, once the table rests: a stray Enter and Space open nothing and
        move nothing (the recording's lines are compared at the end)."""
        paso(*datos)
        self.mesa.reposar(quieta=1)  # longer: a call the computer makes after a deal is no stray key's
        antes, mano, abiertos = self.mesa.huella()[1], self.mesa.en_mano, len(self.mesa.vistos)
        self.pantalla.teclas("Return", "space")
        self.mesa.reposar()
        exigir(len(self.mesa.vistos) == abiertos, f"the stray keys opened {[v[0] for v in self.mesa.vistos[abiertos:]]}")
        # The hand, its cards and their buttons: the table's own highlights fade on a timer.
        exigir(self.mesa.huella()[1] == antes and self.mesa.en_mano == mano,
               f"the stray keys changed the hand: cards {sorted(mano)} then {sorted(self.mesa.en_mano)}")

    def carta(self, con_clic):
        slot = min(exigir(self.mesa.en_mano, "no card in the hand"))
        if not con_clic:
            return self.hecho(f"click BotonCarta {slot}", f"alt+{slot}")
        r = self.mesa.carta(slot)
        self.hecho(r"click Carta \d+")
        self.pantalla.clic(r[0] + r[2] // 2, r[1] + r[3] // 3)

    def pregunta(self, patron, teclas, respuestas, titulo=None, nuevas=None):
        """Keys whose question each answer closes; then, once the table rests, so many new
        recordings. A question named by its title is answered so as to keep the hand."""
        for respuesta in respuestas.split(","):
            antes, archivos = self.mesa.huella()[1], len(self.programa.grabaciones())
            self.hecho(patron)
            ventana, visto = self.mesa.abrir(*teclas)
            self.pantalla.teclas(respuesta)
            exigir(self.mesa.cerrado(ventana), f"{respuesta} did not close '{visto}'")
            self.mesa.reposar()
            exigir(titulo in (None, visto), f"'{visto}' opened, not '{titulo}'")
            exigir(not titulo or self.mesa.huella()[1] == antes, f"'{visto}' by {respuesta} changed the hand")
            exigir(nuevas in (None, len(self.programa.grabaciones()) - archivos), "no new game was recorded")

    def ultima(self):
        return list(self.programa.grabaciones().values())[-1]

    def fin_de_juego(self):
        """To the deck until the computer wins, every dialog answered first by the key tried,
        which alone closes the end-of-game dialog (its only button is "Aceptar")."""
        # "Finalizar juego" last, for points that would end the game in a call's middle.
        respuestas = self.mesa.respuestas
        self.mesa.respuestas = [self.args.fin] + respuestas[1:] + ["alt+f"]
        self.pantalla.teclas("alt+j", "m", "a")  # quicker without the moves shown: "Multimedia", "Animaciones"
        for _ in range(40):  # a failure stops the rows that would need the answers back
            if esperar(lambda: "# incomplete:" not in self.ultima(), 0.3):  # written once the game ended
                break
            self.pregunta("click BotonMazo", ["alt+m"], "alt+s")  # then the round's end
        self.mesa.respuestas = respuestas
        exigir("#> OPEN FinJuegos" in self.ultima(), "the game did not end by its end-of-game dialog")

    def salir_por_la_x(self):
        """Left in the middle of a game: a new one first if the last one ended."""
        if "# incomplete:" not in self.ultima():
            self.hecho("key F5", "F5")
            self.mesa.reposar()
        self.hecho("close")
        self.pantalla.cerrar_ventana(self.mesa.ventana)
        pregunta = exigir(esperar(lambda: list(self.mesa.dialogos()), 5), "the close button asked nothing")
        self.pantalla.teclas("alt+s")  # "¿Deseas salir del programa?"
        exigir(self.mesa.cerrado(pregunta[0]), "'Sí' did not close the question")
        if esperar(self.mesa.dialogos, 2):
            self.pantalla.teclas("alt+s")  # the end-of-round dialog's "Salir"
        exigir(esperar(lambda: self.programa.proceso.poll() is not None, 15) and self.programa.proceso.poll() == 0, f"the program's status: {self.programa.proceso.poll()} (None: running)")

    def grabaciones(self):
        """Each recording replays; together they hold the table actions done and no other."""
        textos = self.programa.grabaciones()
        for archivo in textos:
            r = subprocess.run([self.args.guion, archivo], capture_output=True, text=True, timeout=120 * LENTITUD)
            exigir(r.returncode == 0, f"{os.path.basename(archivo)} replays with {r.returncode}: {r.stdout[-300:]}")
        exigir(self.ultima().endswith("#> EXIT\n"), f"the last recording ends with {self.ultima()[-40:]!r}")
        for tecla, lineas in RECHAZADAS.items():
            exigir(lineas in list(textos.values())[0], f"{tecla} answered by Enter is not recorded as a No")
        hechas = [l for texto in textos.values() for l in texto.splitlines() if ACCION.match(l)]
        exigir(len(hechas) == len(self.esperadas) and all(map(re.fullmatch, self.esperadas, hechas)),
               "recorded " + " | ".join(hechas) + "\n      done " + " | ".join(self.esperadas))
        return f"{len(textos)} recordings, {len(hechas)} actions"

    def ubicaciones(self):
        exigir(not (malos := self.mesa.mal_ubicados()), "; ".join(malos))
        return f"{len(self.mesa.vistos)} dialogs"

    def correr(self):
        tras = "after {}: a stray Enter and Space then play nothing"
        filas = [("the registry opens first, alone and active", self.registro_primero),
                 (tras.format("a player registered there reached the table"), self.y_nada_mas, self.registrar_y_jugar),
                 ("the registry from \"Nuevo Jugador\" has its start-up size", self.registro_legible),
                 (tras.format("F5 dealt"), self.y_nada_mas, self.hecho, "key F5", "F5"),
                 (tras.format("a card clicked"), self.y_nada_mas, self.carta, True),
                 (tras.format("a card played by its Alt letter"), self.y_nada_mas, self.carta, False),
                 (tras.format("a hint asked by H"), self.y_nada_mas, self.hecho, "click MenuSugerencia", "h"),
                 (tras.format("a call (Truco)"), self.y_nada_mas, self.hecho, "click BotonTruco", "alt+t"),
                 ("\"Mazo\" asks first; Enter (No) keeps the round",
                  self.pregunta, "click BotonMazo", ["alt+m"], "Return", "Naipalia"),
                 (tras.format("dialogs closed (the deck, the round's end)"),
                  self.y_nada_mas, self.pregunta, "click BotonMazo", ["alt+m"], "alt+s"),
                 ("F5 in a game asks; Enter (No) keeps the game",
                  self.pregunta, "click MenuNuevo", ["F5"], "Return", "Naipalia"),
                 # The new game's recording opens with F5.
                 (tras.format("\"Nuevo juego\" asked and Sí"),
                  self.y_nada_mas, lambda: self.pregunta("key F5", ["alt+j", "n"], "alt+s", nuevas=1)),
                 ("\"Mis partidas\" closes by Escape and by Enter",
                  self.pregunta, "click MenuPartidas", ["alt+j", "t"], "Escape,Return", "Mis partidas"),
                 *([(f"a whole game: the end-of-game dialog closes by {self.args.fin}", self.fin_de_juego)] if self.args.fin else []),
                 ("leaving by the close button ends the program", self.salir_por_la_x)]
        if all(self.fila(*f) for f in filas):  # each row needs the ones before
            self.fila("the recordings: the actions done and no other, '#> EXIT' last, each replays", self.grabaciones)
        if self.mesa:
            self.fila("every dialog clear of the cards in the hand and off the corner", self.ubicaciones)


def main():
    p = argparse.ArgumentParser(description=__doc__)
    for opcion, ayuda in (("programa", "the program folder"), ("guion", "the script driver, naipalia-guion"),
                          ("escala", "QT_SCALE_FACTOR"), ("pantalla", "the screen, WIDTHxHEIGHT"),
                          ("trabajo", "the homes, recordings and screenshots")):
        p.add_argument("--" + opcion, required=True, help=ayuda)
    p.add_argument("--fin", choices=["Return", "Escape"], help="play a game to its end, closing its last dialog so")
    args = p.parse_args()
    if faltan := [h for h in HERRAMIENTAS if not shutil.which(h)]:
        print("SKIPPED: the desktop tests need " + ", ".join(faltan) + " (herramientas/dependencias.sh)")
        return 77
    inicio, prueba = time.monotonic(), None
    shutil.rmtree(args.trabajo, ignore_errors=True)
    os.makedirs(args.trabajo)
    try:
        (prueba := Prueba(args, args.trabajo)).correr()
    except Fallo as f:
        return print(f"FAIL {f}") or 1
    finally:
        prueba and (detener(prueba.programa.proceso, 10), prueba.pantalla.cerrar())
    print(f"scale {args.escala}, screen {args.pantalla}, {time.monotonic() - inicio:.0f} s, in {args.trabajo}")
    print("\n".join(f"{'ok  ' if paso else 'FAIL'} {nombre}" + (detalle and ": " + detalle) for nombre, paso, detalle in prueba.filas))
    return 0 if all(paso for _, paso, _ in prueba.filas) else 1


if __name__ == "__main__":
    sys.exit(main())
