"""The table's window seen from outside: where its cards lie, when it rests, and the
dialogs the game opens on it, answered so that play goes on."""
import hashlib
import time

from escritorio import Fallo, LENTITUD, esperar, exigir

# The design in twips (game/mesa.h, shell/naipalia_diseno.cpp) and the anotador beside it.
ANCHO_MESA, ALTO_MESA, ANCHO_ANOTADOR = 11280, 7560, 3000
ANCHO_CARTA, ALTO_CARTA, TOP_MANO, LEFT_MANO = 1065, 1440, 3390, {1: 3210, 2: 4760, 3: 6310}
# What moves when the game moves: the table, the hand with its buttons, the call buttons.
ZONAS_DE_JUEGO = [(120, 120, 7720, 3080), (3210, 3390, 4165, 1930), (7980, 3390, 3180, 1880)]
# Bare table between the cards of the hand, above them and below their buttons: the window's own colour.
FONDOS = [(4520, 4100), (6060, 4100), (5000, 3280), (4520, 5470)]


def se_cruzan(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


class Mesa:
    """The table's window, its scale worked out from its size as the program sizes it."""

    def __init__(self, programa, ventana, avisos):
        self.programa, self.pantalla, self.ventana = programa, programa.pantalla, ventana
        x, y, ancho, alto = self.posicion = self.pantalla.geometria(ventana)
        # The table and the anotador side by side fill the width; the menu bar is on top.
        k = ancho / (ANCHO_MESA + ANCHO_ANOTADOR)
        mesa, panel, lienzo = round(ANCHO_MESA * k), round(ANCHO_ANOTADOR * k), round(ALTO_MESA * k)
        self.k = min(mesa / ANCHO_MESA, lienzo / ALTO_MESA)
        self.origen = (x + (ancho - mesa - panel) // 2 + (mesa - ANCHO_MESA * self.k) / 2,
                       y + alto - lienzo + (lienzo - ALTO_MESA * self.k) / 2)
        self.anotador = (round(self.origen[0] + ANCHO_MESA * self.k), y, panel, alto)
        self.en_mano = {1, 2, 3}
        # Every dialog opened on the table, the messages before it first: (title, frame, cards in sight, step).
        self.vistos = [("a message before the table", a, [], "") for a in avisos]
        self.paso = ""  # the step under way, to tell where a dialog opened
        self._anotados = set()  # open dialogs already in vistos (the program reuses a window)
        # Enter for a message, "No quiero" for a call, then the round's "Próxima ronda"
        # ("alt+p" first would say "Primero está el tanto" to a truco).
        # A keypad (its keyboard on no number) declares 0.
        self.respuestas = ["Return", "alt+n", "alt+p", "0 Return"]

    def rectangulo(self, left, top, ancho, alto):
        """Twips of the design to a rectangle on the screen."""
        x0, y0 = self.origen[0] + left * self.k, self.origen[1] + top * self.k
        return (round(x0), round(y0), round(x0 + ancho * self.k) - round(x0), round(y0 + alto * self.k) - round(y0))

    def carta(self, slot):
        return self.rectangulo(LEFT_MANO[slot], TOP_MANO, ANCHO_CARTA, ALTO_CARTA)

    def captura(self):
        return exigir(self.pantalla.captura(self.ventana), "the table's window is gone")

    def huella(self):
        """What the playing areas show, a hash for each."""
        ancho, alto, filas, bpp = self.captura()
        x, y = self.posicion[:2]
        return [hashlib.md5(b"".join(f[(r[0] - x) * bpp:(r[0] + r[2] - x) * bpp] for f in filas[r[1] - y:r[1] + r[3] - y])).hexdigest()
                for r in map(lambda z: self.rectangulo(*z), ZONAS_DE_JUEGO)]

    def cartas_en_mano(self, tapa=None):
        """The slots where most of a card's place differs from bare table. With a window
        over the hand only what it leaves in sight counts; a card hidden whole is as last seen."""
        ancho, alto, filas, bpp = self.captura()
        tapado = lambda x, y: tapa and se_cruzan(tapa, (x - 2, y - 2, 5, 5))  # the window's very edge too
        pixel = lambda x, y: filas[y - self.posicion[1]][(x - self.posicion[0]) * bpp:][:bpp]
        color = next((pixel(*p) for p in (self.rectangulo(*f, 0, 0)[:2] for f in FONDOS) if not tapado(*p)), None)
        slots = set()
        for slot in LEFT_MANO:
            x0, y0, w, h = self.carta(slot)
            # Every row: a window may leave only a strip of the card in sight.
            muestras = [pixel(x, y) for x in range(x0 + 2, x0 + w - 2, 5) for y in range(y0 + 2, y0 + h - 2)
                        if not tapado(x, y)]
            if sum(m != color for m in muestras) > len(muestras) // 2 if color and muestras else slot in self.en_mano:
                slots.add(slot)
        return slots

    def dialogos(self):
        abiertos = {v: t for v, t in self.programa.ventanas().items() if v != self.ventana}
        self._anotados &= set(abiertos)
        return abiertos

    def reposar(self, quieta=0.6):
        """Answers every dialog that opens until the table shows the same for a while."""
        limite, anterior, desde = time.monotonic() + 20 * LENTITUD, None, time.monotonic()
        while time.monotonic() < limite:
            exigir(self.programa.proceso.poll() is None, f"the program ended, status {self.programa.proceso.returncode}")
            if self.dialogos():
                anterior = self.atender()  # None: the table seen afresh
                continue
            if (huella := self.huella()) != anterior:
                anterior, desde = huella, time.monotonic()
            elif time.monotonic() - desde > quieta * LENTITUD:
                self.en_mano = self.cartas_en_mano()
                return
            time.sleep(0.05)
        raise Fallo("the table never rested")

    def abrir(self, *teclas):
        """Keys that open one dialog in front of the table (none: the one open), seen active and
        noted with where it opened and the cards then in the hand (checked at the end): its id and title."""
        antes = set(self.dialogos()) if teclas else set()
        teclas and self.pantalla.teclas(*teclas)
        ventana = exigir(esperar(lambda: (a := self.pantalla.activa()) in self.dialogos() and a not in antes and a, 5),
                         f"{' '.join(teclas)} opened no dialog" if teclas else "the dialog open is not active")
        titulo = self.dialogos().get(ventana, "")
        if ventana not in self._anotados:
            self._anotados.add(ventana)
            time.sleep(0.3 * LENTITUD)  # the program places it once shown, and again once mapped
            marco = self.pantalla.marco(ventana)
            self.vistos.append((titulo, marco, [self.carta(s) for s in self.cartas_en_mano(marco)], self.paso))
        return ventana, titulo

    def atender(self):
        """Answers the dialog in front: the harmless way first, so the game goes on."""
        ventana, titulo = self.abrir()
        for tecla in self.respuestas:  # each tried while the dialog is still the one in front
            if self.pantalla.activa() != ventana or self.pantalla.teclas(*tecla.split()) or self.cerrado(ventana, 0.3):
                return
        raise Fallo(f"the dialog '{titulo}' answered none of {', '.join(self.respuestas)}")

    def cerrado(self, ventana, segundos=2):
        return bool(esperar(lambda: ventana not in self.dialogos(), segundos))

    def mal_ubicados(self):
        """Dialogs placed in the screen's corner or over a card in the hand (by more than the scale's rounding)."""
        malos = [f"'{t}' at the corner {m} ({p})" for t, m, _, p in self.vistos if m and m[0] < 40 and m[1] < 40]
        # A box of the game's that fits beside the anotador leaves its explanations in sight.
        malos += [f"'{t}' {m} over the anotador {self.anotador} ({p})" for t, m, _, p in self.vistos
                  if m and p and t == "Naipalia" and m[2] < self.anotador[0] - self.posicion[0]
                  and se_cruzan(m, (self.anotador[0] + 2, self.anotador[1], self.anotador[2], self.anotador[3]))]
        return malos + [f"'{t}' {m} over the card at {c} ({p})" for t, m, cartas, p in self.vistos for c in cartas
                        if m and se_cruzan(m, (c[0] + 2, c[1] + 2, c[2] - 4, c[3] - 4))]
