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
from escritorio import Fallo, LENTITUD, Pantalla, Programa, esperar
from mesa import Mesa

NOMBRE = "Prueba Escritorio"
# ImageMagick's "import", for a screenshot beside a failed row, is welcome but not needed.
HERRAMIENTAS = ["Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "xwd"]
# The player's actions on the table as a recording writes them; his answers inside
# dialogs are indented beneath.
ACCION = re.compile(r"(key|click|dblclick|drag|type|select|enter) |close$")
INCOMPLETA = "# incomplete:"


class Parada(Exception):
    """A check the rest depend on failed."""


class Prueba:
    def __init__(self, args, trabajo):
        self.args, self.trabajo = args, trabajo
        self.filas = []  # (check, passed, detail)
        self.esperadas = []  # the table actions done, as patterns, in order
        ancho, alto = (int(v) for v in args.pantalla.split("x"))
        self.pantalla = Pantalla(ancho, alto)
        self.programa = Programa(self.pantalla, args.programa, trabajo, args.escala)
        self.mesa = None
        self.avisos = []  # the frames of the messages before the table

    def fila(self, nombre, comprobacion, necesaria=True):
        inicio = time.monotonic()
        if self.mesa:
            self.mesa.paso = nombre
        try:
            detalle = comprobacion() or ""
            self.filas.append((nombre, True, f"{detalle} ({time.monotonic() - inicio:.0f} s)".lstrip()))
            return
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

    # Start-up.

    def registro_primero(self):
        ventanas = esperar(self.programa.ventanas, 30)
        if list(ventanas.values()) == ["Naipalia"]:
            # The warning of a screen under 800 x 600 (so it is at 2x on 1280 x 800) comes first.
            aviso = next(iter(ventanas))
            self.avisos.append(self.pantalla.marco(aviso))
            self.pantalla.teclas("Return")
            ventanas = esperar(lambda: {v: t for v, t in self.programa.ventanas().items() if v != aviso}, 10)
        if list(ventanas.values()) != ["Nuevo Jugador"]:
            raise Fallo(f"windows at start-up: {list(ventanas.values())}")
        self.registro = next(iter(ventanas))
        if not esperar(lambda: self.pantalla.activa() == self.registro, 5):
            raise Fallo("the registry is not the active window")
        self.tamano_registro = self.pantalla.geometria(self.registro)[2:]

    def registrar_y_jugar(self):
        x, y, ancho, alto = self.pantalla.geometria(self.registro)
        # The box "Nuevo Jugador :" in the registry's design, 8400 x 6360 twips.
        self.pantalla.clic(x + ancho * 2040 // 8400, y + alto * 5355 // 6360)
        self.pantalla.escribir(NOMBRE)
        self.pantalla.teclas("alt+r")
        aviso = esperar(lambda: [v for v in self.programa.ventanas() if v != self.registro], 5)
        if not aviso:
            raise Fallo("registering showed no message")
        self.avisos.append(self.pantalla.marco(aviso[0]))
        self.pantalla.teclas("Return")
        if not esperar(lambda: aviso[0] not in self.programa.ventanas(), 3):
            raise Fallo("Enter did not close the message")
        self.pantalla.teclas("alt+j")
        titulo = "Naipalia 2005 jugando con " + NOMBRE
        mesa = esperar(lambda: [v for v, t in self.programa.ventanas().items() if t == titulo], 10)
        if not mesa or list(self.programa.ventanas()) != mesa:
            raise Fallo(f"windows after 'Jugar': {list(self.programa.ventanas().values())}")
        if not esperar(lambda: self.pantalla.activa() == mesa[0], 5):
            raise Fallo("the table is not the active window")
        self.mesa = Mesa(self.programa, mesa[0])
        self.mesa.reposar()

    # Stray keys.

    def y_nada_mas(self, paso):
        """After the step, once the table rests: a stray Enter and Space open nothing and
        move nothing (the recording's lines are compared at the end)."""
        def comprobar():
            paso()
            self.mesa.reposar()
            antes, mano, abiertos = self.mesa._captura(), set(self.mesa.en_mano), len(self.mesa.vistos)
            self.pantalla.teclas("Return", "space")
            time.sleep(0.3 * LENTITUD)
            self.mesa.reposar()
            if len(self.mesa.vistos) != abiertos:
                raise Fallo(f"the stray keys opened {[v[0] for v in self.mesa.vistos[abiertos:]]}")
            despues = self.mesa._captura()
            # The hand, its cards and their buttons: the table's own highlights fade on a timer.
            if self.mesa.huella(antes)[1] != self.mesa.huella(despues)[1] or self.mesa.en_mano != mano:
                n = len(self.filas) + 1
                self.mesa.guardar(antes, os.path.join(self.trabajo, f"fila{n}-antes.ppm"))
                self.mesa.guardar(despues, os.path.join(self.trabajo, f"fila{n}-despues.ppm"))
                raise Fallo(f"the stray keys changed the hand: cards {sorted(mano)} then {sorted(self.mesa.en_mano)}")
        return comprobar

    def slot(self):
        if not self.mesa.en_mano:
            raise Fallo("no card in the hand")
        return min(self.mesa.en_mano)

    def carta_con_clic(self):
        self.hecho(r"click Carta \d+")
        self.pantalla.clic(*self.mesa.centro_carta(self.slot()))

    def carta_con_alt(self):
        slot = self.slot()
        self.hecho(f"click BotonCarta {slot}", f"alt+{slot}")

    def al_mazo(self):
        """The deck, confirmed: its question and the end of the round are dialogs."""
        self.hecho("click BotonMazo")
        ventana, _ = self.mesa.abrir("alt+m")
        self.pantalla.teclas("alt+s")
        if not self.mesa.cerrado(ventana):
            raise Fallo("'Sí' did not close the question of the deck")

    # A new game asked for in the middle of one.

    def f5_y_enter(self):
        antes = self.mesa.huella()[1]
        self.hecho("click MenuNuevo")
        ventana, titulo = self.mesa.abrir("F5")
        self.pantalla.teclas("Return")
        if not self.mesa.cerrado(ventana):
            raise Fallo(f"Enter did not close '{titulo}'")
        self.mesa.reposar()
        if self.mesa.huella()[1] != antes:
            raise Fallo("the hand changed after Enter")

    def nuevo_juego_si(self):
        archivos = len(self.programa.grabaciones())
        ventana, titulo = self.mesa.abrir("alt+j", "n")
        self.pantalla.teclas("alt+s")
        if not self.mesa.cerrado(ventana):
            raise Fallo(f"'Sí' did not close '{titulo}'")
        # The game left ends before the question; the new one's recording opens with F5.
        self.hecho("key F5")
        self.mesa.reposar()
        if len(self.programa.grabaciones()) != archivos + 1:
            raise Fallo("no new game was recorded")

    # Other windows.

    def registro_legible(self):
        # Before the first game: no recording holds it.
        ventana, titulo = self.mesa.abrir("alt+n")
        x, y, ancho, alto = self.pantalla.geometria(ventana)
        tamano = (ancho, alto)
        # The player picks himself again, the list's only name, and plays.
        self.pantalla.clic(x + ancho * 1000 // 8400, y + alto * 1240 // 6360)
        self.pantalla.teclas("alt+j")
        if not self.mesa.cerrado(ventana):
            raise Fallo(f"'Jugar' did not close '{titulo}'")
        self.mesa.reposar()
        if titulo != "Nuevo Jugador" or any(abs(a - b) > 4 for a, b in zip(tamano, self.tamano_registro)):
            raise Fallo(f"'{titulo}' from the table {tamano[0]}x{tamano[1]}, at start-up "
                        f"{self.tamano_registro[0]}x{self.tamano_registro[1]}")

    def mis_partidas(self):
        for tecla in ("Escape", "Return"):
            self.hecho("click MenuPartidas")
            ventana, titulo = self.mesa.abrir("alt+j", "t")
            if titulo != "Mis partidas":
                raise Fallo(f"the menu opened '{titulo}'")
            self.pantalla.teclas(tecla)
            if not self.mesa.cerrado(ventana):
                raise Fallo(f"{tecla} did not close 'Mis partidas'")
            self.mesa.reposar()

    def fin_de_juego(self):
        """To the deck until the computer wins: every dialog answered by the key tried
        first, which alone closes the end-of-game dialog (its only button is "Aceptar")."""
        respuestas = self.mesa.respuestas
        self.mesa.respuestas = [self.args.fin] + respuestas[1:]
        # Quicker without the moves shown: "Juego", "Multimedia", "Animaciones".
        self.pantalla.teclas("alt+j", "m", "a")
        try:
            for _ in range(40):
                ultima = self.programa.grabaciones()[-1]
                with open(ultima, encoding="utf-8") as f:
                    if INCOMPLETA not in f.read():
                        break
                self.al_mazo()
                self.mesa.reposar()
            else:
                raise Fallo("the game did not end")
        finally:
            self.mesa.respuestas = respuestas
        with open(ultima, encoding="utf-8") as f:
            if "#> OPEN FinJuegos" not in f.read():
                raise Fallo("the recording holds no end-of-game dialog")

    # The way out.

    def salir_por_la_x(self):
        """Left in the middle of a game: a new one first if the last one ended."""
        with open(self.programa.grabaciones()[-1], encoding="utf-8") as f:
            if INCOMPLETA not in f.read():
                self.hecho("key F5", "F5")
                self.mesa.reposar()
        self.hecho("close")
        self.pantalla.cerrar_ventana(self.mesa.ventana)
        pregunta = esperar(lambda: list(self.mesa.dialogos()), 5)
        if not pregunta:
            raise Fallo("the close button asked nothing")
        self.pantalla.teclas("alt+s")  # "¿Deseas salir del programa?"
        if not self.mesa.cerrado(pregunta[0]):
            raise Fallo("'Sí' did not close the question")
        if esperar(lambda: self.mesa.dialogos(), 5):
            self.pantalla.teclas("alt+s")  # the end-of-round dialog's "Salir"
        try:
            codigo = self.programa.proceso.wait(15 * LENTITUD)
        except subprocess.TimeoutExpired:
            raise Fallo("the program did not end")
        if codigo != 0:
            raise Fallo(f"the program ended with {codigo}")

    def grabaciones(self):
        """Each recording replays; together they hold the table actions done and no other."""
        archivos = self.programa.grabaciones()
        hechas = []
        for archivo in archivos:
            with open(archivo, encoding="utf-8") as f:
                lineas = f.read().splitlines()
            hechas += [l for l in lineas if ACCION.match(l)]
            r = subprocess.run([self.args.guion, archivo], capture_output=True, text=True,
                               timeout=120 * LENTITUD)
            if r.returncode != 0:
                raise Fallo(f"{os.path.basename(archivo)} replays with {r.returncode}: {r.stdout[-300:]}")
        if not lineas or lineas[-1] != "#> EXIT":
            raise Fallo(f"the last recording ends with {lineas[-1:]}")
        # The game Enter kept recorded the question's answer, No, and went on.
        with open(archivos[0], encoding="utf-8") as f:
            if "click MenuNuevo\nno\n" not in f.read():
                raise Fallo("F5 answered by Enter is not recorded as a No")
        iguales = len(hechas) == len(self.esperadas) and all(
            re.fullmatch(p, l) for p, l in zip(self.esperadas, hechas))
        if not iguales:
            raise Fallo("recorded " + " | ".join(hechas) + "\n      done " + " | ".join(self.esperadas))
        return f"{len(archivos)} recordings, {len(hechas)} actions"

    def ubicaciones(self):
        malos = self.mesa.mal_ubicados()
        malos += [f"a message before the table at the corner {a}" for a in self.avisos if a and a[0] < 40 and a[1] < 40]
        if malos:
            raise Fallo("; ".join(malos))
        return f"{len(self.mesa.vistos)} dialogs"

    def correr(self):
        f = self.fila
        try:
            f("the registry opens first, alone and active", self.registro_primero)
            f("a player registered there reaches the table", self.registrar_y_jugar)
            f("the registry from \"Nuevo Jugador\" has its start-up size", self.registro_legible)
            f("F5 deals; a stray Enter and Space then play nothing", self.y_nada_mas(lambda: self.hecho("key F5", "F5")))
            f("after a card clicked: likewise", self.y_nada_mas(self.carta_con_clic))
            f("after a card played by its Alt letter: likewise", self.y_nada_mas(self.carta_con_alt))
            f("after a call (Truco): likewise", self.y_nada_mas(lambda: self.hecho("click BotonTruco", "alt+t")))
            f("after dialogs closed (the deck, the round's end): likewise", self.y_nada_mas(self.al_mazo))
            f("F5 in a game asks; Enter (No) keeps the game", self.f5_y_enter)
            f("\"Nuevo juego\" in a game asks; Sí starts one; then likewise", self.y_nada_mas(self.nuevo_juego_si))
            f("\"Mis partidas\" closes by Escape and by Enter", self.mis_partidas)
            if self.args.fin:
                f(f"a whole game: the end-of-game dialog closes by {self.args.fin}", self.fin_de_juego)
            f("leaving by the close button ends the program", self.salir_por_la_x)
            f("the recordings: the actions done and no other, '#> EXIT' last, each replays", self.grabaciones,
              necesaria=False)
        except Parada:
            pass
        if self.mesa:
            f("every dialog clear of the cards in the hand and off the corner", self.ubicaciones, necesaria=False)


def main():
    p = argparse.ArgumentParser(description=__doc__)
    p.add_argument("--programa", required=True, help="the program folder (build/programa)")
    p.add_argument("--guion", required=True, help="the script driver, naipalia-guion")
    p.add_argument("--escala", default="1", help="QT_SCALE_FACTOR")
    p.add_argument("--pantalla", default="1280x900", help="the screen, WIDTHxHEIGHT")
    p.add_argument("--fin", choices=["Return", "Escape"],
                   help="play a game to its end and close the end-of-game dialog by this key")
    p.add_argument("--trabajo", help="keep the homes, recordings and screenshots here")
    args = p.parse_args()
    faltan = [h for h in HERRAMIENTAS if not shutil.which(h)]
    if faltan:
        print("SKIPPED: the desktop tests need " + ", ".join(faltan) + " (herramientas/dependencias.sh)")
        return 77
    trabajo = args.trabajo or tempfile.mkdtemp(prefix="naipalia-escritorio-")
    if args.trabajo:
        shutil.rmtree(trabajo, ignore_errors=True)
        os.makedirs(trabajo)
    inicio = time.monotonic()
    prueba = None
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
    for nombre, paso, detalle in prueba.filas:
        print(f"{'ok  ' if paso else 'FAIL'} {nombre}" + (f": {detalle}" if detalle else ""))
    fallos = sum(not paso for _, paso, _ in prueba.filas)
    if not fallos and not args.trabajo:
        shutil.rmtree(trabajo, ignore_errors=True)
    return 1 if fallos else 0


if __name__ == "__main__":
    sys.exit(main())
