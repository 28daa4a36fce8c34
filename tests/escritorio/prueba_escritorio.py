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
import tempfile
import time
import traceback

sys.dont_write_bytecode = True  # nothing left beside the sources
from escritorio import Fallo, LENTITUD, Pantalla, Programa, esperar, exigir
from mesa import Mesa

NOMBRE = "Prueba Escritorio"
HERRAMIENTAS = ["Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "xwd"]
# The player's actions on the table as recorded; his answers in dialogs lie beneath them.
ACCION = re.compile(r"(key|click|dblclick|drag|type|select|enter) |close$")
# Questions answered No by Enter in the first game, as recorded.
RECHAZADAS = {"F5": "click MenuNuevo\nno\n", "alt+m": "click BotonMazo\nno\n"}


class Parada(Exception):
    """A check the rest depend on failed."""


class Prueba:
    def __init__(self, args, trabajo):
        self.args, self.trabajo, self.filas, self.esperadas = args, trabajo, [], []
        self.pantalla = Pantalla(*(int(v) for v in args.pantalla.split("x")))
        self.programa = Programa(self.pantalla, os.path.abspath(args.programa), trabajo, args.escala)
        self.mesa, self.avisos = None, []  # the table; the frames of the messages before it

    def fila(self, nombre, comprobacion, necesaria=True):
        inicio = time.monotonic()
        if self.mesa:
            self.mesa.paso = nombre
        try:
            detalle = comprobacion() or ""
            return self.filas.append((nombre, True, f"{detalle} ({time.monotonic() - inicio:.0f} s)".lstrip()))
        except Fallo as f:
            self.filas.append((nombre, False, str(f)))
        except Exception:  # the harness itself broke: a failure, not a crash
            self.filas.append((nombre, False, traceback.format_exc(limit=4)))
        self.pantalla.foto(os.path.join(self.trabajo, f"fila{len(self.filas)}.png"))
        if necesaria:
            raise Parada

    def hecho(self, patron, *teclas):
        self.esperadas.append(patron)
        if teclas:
            self.pantalla.teclas(*teclas)

    def registro_primero(self):
        ventanas = esperar(self.programa.ventanas, 30)
        if list(ventanas.values()) == ["Naipalia"]:  # a screen under 800 x 600 is warned of first
            aviso = next(iter(ventanas))
            self.avisos.append(self.pantalla.marco(aviso))
            self.pantalla.teclas("Return")
            ventanas = esperar(lambda: {v: t for v, t in self.programa.ventanas().items() if v != aviso}, 10)
        exigir(list(ventanas.values()) == ["Nuevo Jugador"], f"windows at start-up: {list(ventanas.values())}")
        self.registro = next(iter(ventanas))
        exigir(esperar(lambda: self.pantalla.activa() == self.registro, 5), "the registry is not active")
        self.tamano_registro = self.pantalla.geometria(self.registro)[2:]

    def registrar_y_jugar(self):
        x, y, ancho, alto = self.pantalla.geometria(self.registro)
        # The box "Nuevo Jugador :" in the registry's design, 8400 x 6360 twips.
        self.pantalla.clic(x + ancho * 2040 // 8400, y + alto * 5355 // 6360)
        self.pantalla.x("xdotool", "type", "--delay", "20", NOMBRE)
        self.pantalla.teclas("alt+r")
        aviso = exigir(esperar(lambda: [v for v in self.programa.ventanas() if v != self.registro], 5),
                       "registering showed no message")[0]
        self.avisos.append(self.pantalla.marco(aviso))
        self.pantalla.teclas("Return")
        exigir(esperar(lambda: aviso not in self.programa.ventanas(), 3), "Enter did not close the message")
        self.pantalla.teclas("alt+j")
        titulo = "Naipalia 2005 jugando con " + NOMBRE
        mesa = esperar(lambda: [v for v, t in self.programa.ventanas().items() if t == titulo], 10)
        exigir(mesa and list(self.programa.ventanas()) == mesa,
               f"windows after 'Jugar': {list(self.programa.ventanas().values())}")
        exigir(esperar(lambda: self.pantalla.activa() == mesa[0], 5), "the table is not the active window")
        self.mesa = Mesa(self.programa, mesa[0])
        self.mesa.reposar()

    def registro_legible(self):
        ventana, titulo = self.mesa.abrir("alt+n")  # before the first game: no recording holds it
        x, y, ancho, alto = self.pantalla.geometria(ventana)
        self.pantalla.clic(x + ancho * 1000 // 8400, y + alto * 1240 // 6360)  # the list's only name
        self.pantalla.teclas("alt+j")
        exigir(self.mesa.cerrado(ventana), f"'Jugar' did not close '{titulo}'")
        self.mesa.reposar()
        exigir(titulo == "Nuevo Jugador" and all(abs(a - b) <= 4 for a, b in zip((ancho, alto), self.tamano_registro)),
               f"'{titulo}' from the table {ancho}x{alto}, at start-up {self.tamano_registro}")

    def y_nada_mas(self, paso):
        """After the step, once the table rests: a stray Enter and Space open nothing and
        move nothing (the recording's lines are compared at the end)."""
        def comprobar():
            paso()
            self.mesa.reposar(quieta=1)  # longer: a call the computer makes after a deal is no stray key's
            antes, mano, abiertos = self.mesa.huella()[1], self.mesa.en_mano, len(self.mesa.vistos)
            self.pantalla.teclas("Return", "space")
            self.mesa.reposar()
            exigir(len(self.mesa.vistos) == abiertos, f"the stray keys opened {[v[0] for v in self.mesa.vistos[abiertos:]]}")
            # The hand, its cards and their buttons: the table's own highlights fade on a timer.
            exigir(self.mesa.huella()[1] == antes and self.mesa.en_mano == mano,
                   f"the stray keys changed the hand: cards {sorted(mano)} then {sorted(self.mesa.en_mano)}")
        return comprobar

    def slot(self):
        return min(exigir(self.mesa.en_mano, "no card in the hand"))

    def carta_con_clic(self):
        r = self.mesa.carta(self.slot())
        self.hecho(r"click Carta \d+")
        self.pantalla.clic(r[0] + r[2] // 2, r[1] + r[3] // 3)

    def carta_con_alt(self):
        slot = self.slot()
        self.hecho(f"click BotonCarta {slot}", f"alt+{slot}")

    def preguntar(self, patron, teclas, respuesta):
        """Keys whose question the answer closes."""
        self.hecho(patron)
        ventana, titulo = self.mesa.abrir(*teclas)
        self.pantalla.teclas(respuesta)
        exigir(self.mesa.cerrado(ventana), f"{respuesta} did not close '{titulo}'")
        return titulo

    def al_mazo(self):
        self.preguntar("click BotonMazo", ["alt+m"], "alt+s")  # then the round's end

    def no_por_enter(self, patron, tecla):
        """A question titled "Naipalia" whose Enter is No: the round goes on as it was."""
        def comprobar():
            antes = self.mesa.huella()[1]
            titulo = self.preguntar(patron, [tecla], "Return")
            self.mesa.reposar()
            exigir(titulo == "Naipalia" and self.mesa.huella()[1] == antes, f"'{titulo}' by Enter changed the hand")
        return comprobar

    def nuevo_juego_si(self):
        archivos = len(self.programa.grabaciones())
        self.preguntar("key F5", ["alt+j", "n"], "alt+s")  # the new game's recording opens with F5
        self.mesa.reposar()
        exigir(len(self.programa.grabaciones()) == archivos + 1, "no new game was recorded")

    def mis_partidas(self):
        for tecla in ("Escape", "Return"):
            exigir(self.preguntar("click MenuPartidas", ["alt+j", "t"], tecla) == "Mis partidas", "not 'Mis partidas'")
            self.mesa.reposar()

    def ultima(self):
        return list(self.programa.grabaciones().values())[-1]

    def fin_de_juego(self):
        """To the deck until the computer wins, every dialog answered first by the key tried,
        which alone closes the end-of-game dialog (its only button is "Aceptar")."""
        # "Finalizar juego" last, for points that would end the game in a call's middle.
        respuestas = self.mesa.respuestas
        self.mesa.respuestas = [self.args.fin] + respuestas[1:] + ["alt+f"]
        self.pantalla.teclas("alt+j", "m", "a")  # quicker without the moves shown: "Multimedia", "Animaciones"
        try:
            for _ in range(40):
                if esperar(lambda: "# incomplete:" not in self.ultima(), 0.3):  # written once the game ended
                    break
                self.al_mazo()
                self.mesa.reposar()
        finally:
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
        esperar(lambda: self.programa.proceso.poll() is not None, 15)
        exigir(self.programa.proceso.poll() == 0, f"the program's status: {self.programa.proceso.poll()} (None: running)")

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
        malos = self.mesa.mal_ubicados() + [f"a message before the table at {a}" for a in self.avisos if a and a[0] < 40 and a[1] < 40]
        exigir(not malos, "; ".join(malos))
        return f"{len(self.mesa.vistos)} dialogs"

    def correr(self):
        tras = "after {}: a stray Enter and Space then play nothing"
        filas = [("the registry opens first, alone and active", self.registro_primero),
                 ("a player registered there reaches the table", self.registrar_y_jugar),
                 ("the registry from \"Nuevo Jugador\" has its start-up size", self.registro_legible),
                 (tras.format("F5 dealt"), self.y_nada_mas(lambda: self.hecho("key F5", "F5"))),
                 (tras.format("a card clicked"), self.y_nada_mas(self.carta_con_clic)),
                 (tras.format("a card played by its Alt letter"), self.y_nada_mas(self.carta_con_alt)),
                 (tras.format("a call (Truco)"), self.y_nada_mas(lambda: self.hecho("click BotonTruco", "alt+t"))),
                 ("\"Mazo\" asks first; Enter (No) keeps the round", self.no_por_enter("click BotonMazo", "alt+m")),
                 (tras.format("dialogs closed (the deck, the round's end)"), self.y_nada_mas(self.al_mazo)),
                 ("F5 in a game asks; Enter (No) keeps the game", self.no_por_enter("click MenuNuevo", "F5")),
                 (tras.format("\"Nuevo juego\" asked and Sí"), self.y_nada_mas(self.nuevo_juego_si)),
                 ("\"Mis partidas\" closes by Escape and by Enter", self.mis_partidas)]
        if self.args.fin:
            filas.append((f"a whole game: the end-of-game dialog closes by {self.args.fin}", self.fin_de_juego))
        filas.append(("leaving by the close button ends the program", self.salir_por_la_x))
        try:
            for nombre, comprobacion in filas:
                self.fila(nombre, comprobacion)
            self.fila("the recordings: the actions done and no other, '#> EXIT' last, each replays",
                      self.grabaciones, necesaria=False)
        except Parada:
            pass
        if self.mesa:
            self.fila("every dialog clear of the cards in the hand and off the corner", self.ubicaciones, False)


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--programa", required=True, help="the program folder (build/programa)")
    p.add_argument("--guion", required=True, help="the script driver, naipalia-guion")
    p.add_argument("--escala", default="1", help="QT_SCALE_FACTOR")
    p.add_argument("--pantalla", default="1280x900", help="the screen, WIDTHxHEIGHT")
    p.add_argument("--fin", choices=["Return", "Escape"], help="play a game to its end, closing its last dialog so")
    p.add_argument("--trabajo", help="keep the homes, recordings and screenshots here")
    args = p.parse_args()
    if faltan := [h for h in HERRAMIENTAS if not shutil.which(h)]:
        print("SKIPPED: the desktop tests need " + ", ".join(faltan) + " (herramientas/dependencias.sh)")
        return 77
    trabajo, inicio, prueba = args.trabajo or tempfile.mkdtemp(prefix="naipalia-escritorio-"), time.monotonic(), None
    shutil.rmtree(trabajo, ignore_errors=True)
    os.makedirs(trabajo)
    try:
        prueba = Prueba(args, trabajo)
        prueba.correr()
    except Fallo as f:
        print(f"FAIL {f}")
        return 1
    finally:
        if prueba:
            prueba.programa.terminar()
            prueba.pantalla.cerrar()
    print(f"scale {args.escala}, screen {args.pantalla}, {time.monotonic() - inicio:.0f} s, in {trabajo}")
    print("\n".join(f"{'ok  ' if paso else 'FAIL'} {nombre}" + (detalle and ": " + detalle) for nombre, paso, detalle in prueba.filas))
    if all(paso for _, paso, _ in prueba.filas):
        return 0 if args.trabajo else shutil.rmtree(trabajo, ignore_errors=True) or 0
    return 1


if __name__ == "__main__":
    sys.exit(main())
