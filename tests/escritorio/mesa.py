"""The table's window seen from outside: where its cards lie, when it rests, and the
dialogs the game opens on it, answered so that play goes on."""
import hashlib
import time

from escritorio import Fallo, LENTITUD, esperar

# The design in twips (game/mesa.h, shell/naipalia_diseno.cpp) and the anotador beside it.
ANCHO_MESA, ALTO_MESA, ANCHO_ANOTADOR = 11280, 7560, 3000
ANCHO_CARTA, ALTO_CARTA, TOP_MANO = 1065, 1440, 3390
LEFT_MANO = {1: 3210, 2: 4760, 3: 6310}
# What moves when the game moves: the table, the hand with its buttons, the call buttons.
ZONAS_DE_JUEGO = [(120, 120, 7720, 3080), (3210, 3390, 4165, 1930), (7980, 3390, 3180, 1880)]
# Bare table between the cards of the hand and above them: the window's own colour.
FONDOS = [(4520, 4100), (6060, 4100), (5000, 3280)]


def se_cruzan(a, b):
    return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]


def fuera_de(r, tapa):
    """The parts of rectangle r that tapa leaves uncovered (r itself without tapa)."""
    if not tapa or not se_cruzan(r, tapa):
        return [r]
    x0, y0, x1, y1 = r[0], r[1], r[0] + r[2], r[1] + r[3]
    tx0, ty0 = max(x0, tapa[0]), max(y0, tapa[1])
    tx1, ty1 = min(x1, tapa[0] + tapa[2]), min(y1, tapa[1] + tapa[3])
    partes = [(x0, y0, x1 - x0, ty0 - y0), (x0, ty1, x1 - x0, y1 - ty1),
              (x0, ty0, tx0 - x0, ty1 - ty0), (tx1, ty0, x1 - tx1, ty1 - ty0)]
    return [p for p in partes if p[2] > 4 and p[3] > 4]


class Mesa:
    """The table's window, its scale worked out from its size as the program sizes it."""

    def __init__(self, programa, ventana):
        self.programa, self.pantalla, self.ventana = programa, programa.pantalla, ventana
        self.titulo = programa.ventanas().get(ventana, "")
        x, y, ancho, alto = self.pantalla.geometria(ventana)
        self.posicion = (x, y)
        # The window opens at the design's proportions plus the menu bar: table and
        # anotador side by side fill its width.
        k = ancho / (ANCHO_MESA + ANCHO_ANOTADOR)
        menu = alto - round(ALTO_MESA * k)
        mesa, panel = round(ANCHO_MESA * k), round(ANCHO_ANOTADOR * k)
        alto_lienzo = alto - menu
        self.k = min(mesa / ANCHO_MESA, alto_lienzo / ALTO_MESA)
        self.origen = (x + (ancho - mesa - panel) // 2 + (mesa - ANCHO_MESA * self.k) / 2,
                       y + menu + (alto_lienzo - ALTO_MESA * self.k) / 2)
        self.en_mano = {1, 2, 3}
        self.vistos = []  # every dialog opened on the table: (title, frame, cards in sight, step)
        self.paso = ""  # the step under way, to tell where a dialog opened
        self._anotados = set()  # open dialogs already in vistos (the program reuses a window)
        # Enter for a message, then "No quiero" for a call, then the round's "Próxima ronda"
        # ("alt+p" first would say "Primero está el tanto" to a truco).
        self.respuestas = ["Return", "alt+n", "alt+p"]

    def rectangulo(self, left, top, ancho, alto):
        """Twips of the design to a rectangle on the screen."""
        x0, y0 = self.origen[0] + left * self.k, self.origen[1] + top * self.k
        return (round(x0), round(y0), round(x0 + ancho * self.k) - round(x0), round(y0 + alto * self.k) - round(y0))

    def carta(self, slot):
        return self.rectangulo(LEFT_MANO[slot], TOP_MANO, ANCHO_CARTA, ALTO_CARTA)

    def centro_carta(self, slot):
        r = self.carta(slot)
        return r[0] + r[2] // 2, r[1] + r[3] // 3

    # What the window shows.

    def _captura(self):
        captura = self.pantalla.captura(self.ventana)
        if not captura:
            raise Fallo("the table's window is gone")
        return captura

    def _recorte(self, captura, rect):
        ancho, alto, filas, bpp = captura
        x0, y0 = max(0, rect[0] - self.posicion[0]), max(0, rect[1] - self.posicion[1])
        x1, y1 = min(ancho, rect[0] + rect[2] - self.posicion[0]), min(alto, rect[1] + rect[3] - self.posicion[1])
        return [filas[y][x0 * bpp:x1 * bpp] for y in range(y0, y1)], bpp

    def huella(self, captura=None):
        """What the playing areas show, a hash for each."""
        captura = captura or self._captura()
        huellas = []
        for zona in ZONAS_DE_JUEGO:
            h = hashlib.md5()
            for fila in self._recorte(captura, self.rectangulo(*zona))[0]:
                h.update(fila)
            huellas.append(h.hexdigest())
        return huellas

    def guardar(self, captura, archivo):
        """A capture as a PPM picture (X gives blue, green, red), to look at after a failure."""
        ancho, alto, filas, bpp = captura
        with open(archivo, "wb") as f:
            f.write(b"P6 %d %d 255\n" % (ancho, alto))
            for fila in filas:
                f.write(bytes(fila[i + c] for i in range(0, len(fila), bpp) for c in (2, 1, 0)))

    def cartas_en_mano(self, captura=None, tapa=None):
        """The slots where a card lies in the hand: most of its place differs from bare
        table. With a window over the hand, only what it leaves in sight is looked at; a
        card it hides whole counts as it was last seen."""
        captura = captura or self._captura()
        fondos = [self.rectangulo(*p, 15, 15) for p in FONDOS]
        fondo = next((f for f in fondos if not tapa or not se_cruzan(f, tapa)), None)
        if not fondo:
            return set(self.en_mano)
        filas, bpp = self._recorte(captura, fondo)
        color = filas[0][:bpp] if filas and filas[0] else b""
        slots = set()
        for slot in LEFT_MANO:
            muestras = []
            for parte in fuera_de(self.carta(slot), tapa):
                filas, bpp = self._recorte(captura, parte)
                muestras += [f[i:i + bpp] for f in filas[2:-2:5] for i in range(2 * bpp, len(f) - 2 * bpp, 5 * bpp)]
            if not muestras:
                slots |= self.en_mano & {slot}
            elif sum(m != color for m in muestras) > len(muestras) // 2:
                slots.add(slot)
        return slots

    # Waiting and answering.

    def dialogos(self):
        abiertos = {v: t for v, t in self.programa.ventanas().items() if v != self.ventana}
        self._anotados &= set(abiertos)
        return abiertos

    def reposar(self, segundos=20):
        """Answers every dialog that opens until the table rests, waiting for the player."""
        limite = time.monotonic() + segundos * LENTITUD
        anterior, quietas = None, 0
        while time.monotonic() < limite:
            if self.programa.proceso.poll() is not None:
                raise Fallo(f"the program ended, status {self.programa.proceso.returncode}")
            abiertos = self.dialogos()
            if abiertos:
                self.atender(abiertos)
                anterior, quietas = None, 0
                continue
            captura = self._captura()
            huella = self.huella(captura)
            quietas = quietas + 1 if huella == anterior else 0
            anterior = huella
            if quietas >= 3:
                self.en_mano = self.cartas_en_mano(captura)
                return
            time.sleep(0.15)
        raise Fallo("the table never rested")

    def anotar(self, ventana, titulo):
        """Where a dialog opened, beside the cards then in the hand (checked at the end)."""
        if ventana in self._anotados:
            return
        self._anotados.add(ventana)
        time.sleep(0.1 * LENTITUD)  # the program places it once shown
        marco = self.pantalla.marco(ventana)
        cartas = self.cartas_en_mano(tapa=marco) if marco else set()
        self.vistos.append((titulo, marco, [self.carta(s) for s in sorted(cartas)], self.paso))

    def atender(self, abiertos):
        """Answers the dialog in front: the harmless way first, so the game goes on."""
        ventana = self.pantalla.activa()
        if ventana not in abiertos:
            ventana = esperar(lambda: self.pantalla.activa() in self.dialogos() and self.pantalla.activa(), 2)
        if not ventana:
            raise Fallo("a dialog is open but not active: " + ", ".join(abiertos.values()))
        titulo = abiertos.get(ventana) or self.dialogos().get(ventana, "")
        self.anotar(ventana, titulo)
        for tecla in self.respuestas:
            if self.pantalla.activa() != ventana:
                return
            self.pantalla.teclas(tecla)
            if self.cerrado(ventana, 0.5):
                return
        raise Fallo(f"the dialog '{titulo}' answered none of {', '.join(self.respuestas)}")

    def abrir(self, *teclas, segundos=5):
        """Keys that open one dialog in front of the table: its id and title."""
        antes = set(self.dialogos())
        self.pantalla.teclas(*teclas)
        nuevo = esperar(lambda: [v for v in self.dialogos() if v not in antes and self.pantalla.activa() == v],
                        segundos)
        if not nuevo:
            raise Fallo(f"{' '.join(teclas)} opened no dialog")
        titulo = self.dialogos().get(nuevo[0], "")
        self.anotar(nuevo[0], titulo)
        return nuevo[0], titulo

    def cerrado(self, ventana, segundos=2):
        return bool(esperar(lambda: ventana not in self.dialogos(), segundos))

    def mal_ubicados(self):
        """Dialogs placed over a card in the hand or in the screen's corner."""
        malos = []
        for titulo, marco, cartas, paso in self.vistos:
            if not marco:
                continue
            if marco[0] < 40 and marco[1] < 40:
                malos.append(f"'{titulo}' at the corner {marco} ({paso})")
            # A pixel or two of rounding in the scale is not a card hidden.
            tapadas = [c for c in cartas if se_cruzan(marco, (c[0] + 2, c[1] + 2, c[2] - 4, c[3] - 4))]
            if tapadas:
                malos.append(f"'{titulo}' {marco} over the card{'s' * (len(tapadas) > 1)} at {tapadas} ({paso})")
        return malos
