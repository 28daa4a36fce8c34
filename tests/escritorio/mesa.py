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
# Bare table between the cards of the hand and above them: the window's own colour.
FONDOS = [(4520, 4100), (6060, 4100), (5000, 3280)]


def se_cruzan(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def fuera_de(r, tapa):
    """The parts of rectangle r that tapa leaves uncovered."""
    if not tapa or not se_cruzan(r, tapa):
        return [r]
    x1, y1 = r[0] + r[2], r[1] + r[3]
    tx0, ty0 = max(r[0], tapa[0]), max(r[1], tapa[1])
    tx1, ty1 = min(x1, tapa[0] + tapa[2]), min(y1, tapa[1] + tapa[3])
    partes = [(r[0], r[1], r[2], ty0 - r[1]), (r[0], ty1, r[2], y1 - ty1),
              (r[0], ty0, tx0 - r[0], ty1 - ty0), (tx1, ty0, x1 - tx1, ty1 - ty0)]
    return [p for p in partes if p[2] > 4 and p[3] > 4]


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

    def captura(self, captura=None):
        return captura or exigir(self.pantalla.captura(self.ventana), "the table's window is gone")

    def _recorte(self, captura, rect):
        ancho, alto, filas, bpp = captura
        x0, y0 = max(0, rect[0] - self.posicion[0]), max(0, rect[1] - self.posicion[1])
        x1, y1 = min(ancho, rect[0] + rect[2] - self.posicion[0]), min(alto, rect[1] + rect[3] - self.posicion[1])
        return [filas[y][x0 * bpp:x1 * bpp] for y in range(y0, y1)]

    def huella(self, captura=None):
        """What the playing areas show, a hash for each."""
        captura = self.captura(captura)
        return [hashlib.md5(b"".join(self._recorte(captura, self.rectangulo(*z)))).hexdigest() for z in ZONAS_DE_JUEGO]

    def cartas_en_mano(self, captura=None, tapa=None):
        """The slots where most of a card's place differs from bare table. With a window
        over the hand only what it leaves in sight counts; a card hidden whole is as last seen."""
        captura = self.captura(captura)
        bpp, slots = captura[3], set()
        fondo = next((f for f in (self.rectangulo(*p, 15, 15) for p in FONDOS) if not tapa or not se_cruzan(f, tapa)), None)
        if not fondo:
            return set(self.en_mano)
        color = (self._recorte(captura, fondo) or [b""])[0][:bpp]
        for slot in LEFT_MANO:
            muestras = [f[i:i + bpp] for parte in fuera_de(self.carta(slot), tapa)
                        for f in self._recorte(captura, parte)[2:-2:5] for i in range(2 * bpp, len(f) - 2 * bpp, 5 * bpp)]
            if sum(m != color for m in muestras) > len(muestras) // 2 if muestras else slot in self.en_mano:
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
            if abiertos := self.dialogos():
                anterior = self.atender(abiertos)  # None: the table seen afresh
                continue
            if (huella := self.huella(captura := self.captura())) != anterior:
                anterior, desde = huella, time.monotonic()
            elif time.monotonic() - desde > quieta * LENTITUD:
                self.en_mano = self.cartas_en_mano(captura)
                return
            time.sleep(0.05)
        raise Fallo("the table never rested")

    def delante(self, antes, segundos, error):
        """The active dialog not among those before, noted with where it opened and the cards
        then in the hand (checked at the end): its id and title."""
        ventana = exigir(esperar(lambda: (a := self.pantalla.activa()) in self.dialogos() and a not in antes and a,
                                 segundos), error)
        titulo = self.dialogos().get(ventana, "")
        if ventana not in self._anotados:
            self._anotados.add(ventana)
            time.sleep(0.3 * LENTITUD)  # the program places it once shown, and again once mapped
            marco = self.pantalla.marco(ventana)
            cartas = self.cartas_en_mano(tapa=marco) if marco else set()
            self.vistos.append((titulo, marco, [self.carta(s) for s in sorted(cartas)], self.paso))
        return ventana, titulo

    def atender(self, abiertos):
        """Answers the dialog in front: the harmless way first, so the game goes on."""
        ventana, titulo = self.delante((), 2, "a dialog is open but not active: " + ", ".join(abiertos.values()))
        for tecla in self.respuestas:  # each tried while the dialog is still the one in front
            if self.pantalla.activa() != ventana or self.pantalla.teclas(*tecla.split()) or self.cerrado(ventana, 0.3):
                return
        raise Fallo(f"the dialog '{titulo}' answered none of {', '.join(self.respuestas)}")

    def abrir(self, *teclas):
        """Keys that open one dialog in front of the table: its id and title."""
        antes = set(self.dialogos())
        self.pantalla.teclas(*teclas)
        return self.delante(antes, 5, f"{' '.join(teclas)} opened no dialog")

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
