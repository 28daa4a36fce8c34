#!/usr/bin/env python3
"""End-of-game face icons: round yellow faces, one .ico per mood.

Usage: caras.py OUTPUT_DIR
Each face is drawn at 1024 px per icon size (strokes thicker for the tiny
sizes so they stay readable) and downscaled; the .ico holds 128..16 px.
"""
import math
import sys

from PIL import Image, ImageDraw

import trazos

R = 1024
TAMANIOS = [128, 64, 48, 32, 16]
# Stroke multiplier per target size: thin lines vanish at 16 px.
GROSOR = {16: 2.3, 32: 1.6, 48: 1.3, 64: 1.15, 128: 1.0}

AMARILLO = ((255, 242, 130), (255, 205, 40), (240, 158, 0))
ROJIZO = ((255, 200, 120), (250, 120, 40), (200, 50, 20))
CONTORNO = (90, 50, 0)
OSCURO = (60, 30, 10)
BOCA = (120, 20, 30)
LENGUA = (240, 110, 120)
LAGRIMA = (90, 170, 255)


class Cara:
    def __init__(self, tam):
        self.tam = tam
        self.m = GROSOR.get(tam, 1.0 if tam >= 100 else 1.15)
        self.fino = tam >= 32          # small details only where they can be seen
        self.img = Image.new("RGBA", (R, R), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.img)

    def p(self, x, y):
        return (x * R, y * R)

    def w(self, u):
        return max(1, int(u * R * self.m))

    def capa(self):
        return Image.new("RGBA", (R, R), (0, 0, 0, 0))

    def fundir(self, capa):
        self.img.alpha_composite(capa)

    # -- building blocks, all in unit coordinates (0..1)
    def cabeza(self, colores=AMARILLO, caja=(0.06, 0.06, 0.94, 0.94)):
        x0, y0, x1, y1 = [v * R for v in caja]
        g = self.w(0.022)
        self.d.ellipse((x0, y0, x1, y1), fill=CONTORNO)
        interior = Image.new("RGBA", (R, R), (0, 0, 0, 0))
        trazos.elipse_degradada(interior, (x0 + g, y0 + g, x1 - g, y1 - g), colores[0], colores[2])
        self.fundir(interior)
        if self.fino:
            brillo = self.capa()
            ImageDraw.Draw(brillo).ellipse((x0 + (x1 - x0) * 0.18, y0 + (y1 - y0) * 0.07,
                                            x0 + (x1 - x0) * 0.55, y0 + (y1 - y0) * 0.27),
                                           fill=(255, 255, 255, 90))
            self.fundir(brillo)

    def curva(self, pts, ancho, color=OSCURO):
        trazos.trazo(self.d, [self.p(*q) for q in trazos.bezier(pts)], color, self.w(ancho))

    def ceja(self, pts, ancho=0.026):
        """Eyebrows that only carry expression; at 16 px they blur into the eyes."""
        if self.tam > 16:
            self.curva(pts, ancho)

    def ojo(self, cx, cy, rx=0.045, ry=0.075):
        rx *= min(self.m, 1.25)
        self.d.ellipse((*self.p(cx - rx, cy - ry), *self.p(cx + rx, cy + ry)), fill=OSCURO)
        if self.fino:
            b = rx * 0.45
            self.d.ellipse((*self.p(cx - rx * 0.35 - b, cy - ry * 0.45 - b),
                            *self.p(cx - rx * 0.35 + b, cy - ry * 0.45 + b)), fill=(255, 255, 255))

    def ojo_cerrado(self, cx, cy, ancho=0.14, alto=0.05, hacia_arriba=True):
        s = -1 if hacia_arriba else 1
        self.curva([(cx - ancho / 2, cy), (cx, cy + s * alto * 2), (cx + ancho / 2, cy)], 0.03)

    def ojo_x(self, cx, cy, r=0.055):
        self.curva([(cx - r, cy - r), (cx + r, cy + r)], 0.032)
        self.curva([(cx - r, cy + r), (cx + r, cy - r)], 0.032)

    def mejillas(self, y=0.62, color=(255, 90, 90, 85)):
        if not self.fino:
            return
        c = self.capa()
        dc = ImageDraw.Draw(c)
        for cx in (0.25, 0.75):
            dc.ellipse((*self.p(cx - 0.07, y - 0.04), *self.p(cx + 0.07, y + 0.04)), fill=color)
        self.fundir(c)

    def boca(self, arriba, abajo, dientes=True, lengua=True):
        """Open mouth between two Bezier curves (left to right)."""
        contorno = [self.p(*q) for q in trazos.bezier(arriba)] + \
                   [self.p(*q) for q in reversed(trazos.bezier(abajo))]
        mascara = Image.new("L", (R, R), 0)
        ImageDraw.Draw(mascara).polygon(contorno, fill=255)
        c = self.capa()
        dc = ImageDraw.Draw(c)
        dc.polygon(contorno, fill=BOCA)
        ys = [q[1] for q in contorno]
        top, bot = min(ys), max(ys)
        if dientes and self.fino:
            dc.rectangle((0, top - 2, R, top + (bot - top) * 0.28), fill=(255, 255, 250))
        if lengua:
            xs = [q[0] for q in contorno]
            cx = (min(xs) + max(xs)) / 2
            ww = (max(xs) - min(xs)) * 0.32
            dc.ellipse((cx - ww, bot - (bot - top) * 0.45, cx + ww, bot + (bot - top) * 0.4), fill=LENGUA)
        vacio = self.capa()
        self.img.paste(Image.composite(c, vacio, mascara), (0, 0), mascara)
        self.d.line(contorno + [contorno[0]], fill=OSCURO, width=self.w(0.022), joint="curve")

    def lagrima(self, x, y, largo, ancho=0.05):
        c = self.capa()
        dc = ImageDraw.Draw(c)
        dc.polygon([self.p(x, y), self.p(x - ancho, y + largo), self.p(x + ancho, y + largo)],
                   fill=LAGRIMA + (230,))
        dc.ellipse((*self.p(x - ancho, y + largo - ancho), *self.p(x + ancho, y + largo + ancho)),
                   fill=LAGRIMA + (230,))
        self.fundir(c)

    def estrella(self, cx, cy, r, color=(255, 255, 255)):
        pts = []
        for i in range(10):
            a = math.pi / 2 + i * math.pi / 5
            rr = r if i % 2 == 0 else r * 0.45
            pts.append(self.p(cx + rr * math.cos(a), cy - rr * math.sin(a)))
        self.d.polygon(pts, fill=color, outline=OSCURO, width=self.w(0.008))

    def final(self):
        return self.img.resize((self.tam, self.tam), Image.Resampling.LANCZOS)


# ---------------------------------------------------------------- the eight moods

def catedra(c):
    """Computer won by a lot: triumphant grin under a graduation cap."""
    c.cabeza(caja=(0.08, 0.16, 0.92, 1.0))
    c.ceja([(0.26, 0.42), (0.33, 0.36), (0.42, 0.41)], 0.026)
    c.ceja([(0.58, 0.41), (0.67, 0.36), (0.74, 0.42)], 0.026)
    c.ojo_cerrado(0.34, 0.52, 0.15, 0.045)
    c.ojo_cerrado(0.66, 0.52, 0.15, 0.045)
    c.boca([(0.24, 0.66), (0.5, 0.72), (0.76, 0.66)], [(0.24, 0.66), (0.5, 1.02), (0.76, 0.66)],
           lengua=False)
    # mortarboard: board, skull cap, tassel
    c.d.polygon([c.p(0.5, 0.02), c.p(0.98, 0.15), c.p(0.5, 0.28), c.p(0.02, 0.15)], fill=(25, 25, 35),
                outline=(0, 0, 0))
    c.d.chord((*c.p(0.28, 0.12), *c.p(0.72, 0.36)), 0, 180, fill=(25, 25, 35))
    c.curva([(0.5, 0.15), (0.78, 0.17), (0.86, 0.36)], 0.016, color=(255, 200, 0))
    c.d.ellipse((*c.p(0.82, 0.34), *c.p(0.9, 0.44)), fill=(255, 200, 0), outline=OSCURO)


def guinio(c):
    """'Next time I'll let you win': wink and smirk."""
    c.cabeza()
    c.ceja([(0.24, 0.3), (0.32, 0.25), (0.42, 0.29)], 0.026)
    c.ceja([(0.58, 0.36), (0.67, 0.35), (0.77, 0.37)], 0.026)
    c.ojo(0.34, 0.42)
    c.curva([(0.58, 0.46), (0.67, 0.4), (0.76, 0.46)], 0.03)
    c.mejillas()
    c.curva([(0.3, 0.66), (0.52, 0.72), (0.72, 0.58)], 0.034)
    c.curva([(0.68, 0.55), (0.73, 0.6), (0.75, 0.63)], 0.022)
    if c.fino:
        c.boca([(0.58, 0.7), (0.62, 0.71), (0.66, 0.68)], [(0.58, 0.7), (0.64, 0.84), (0.66, 0.68)],
               dientes=False)


def sonrisa(c):
    """Friendly big smile, also the program's face."""
    c.cabeza()
    c.ceja([(0.24, 0.3), (0.33, 0.24), (0.42, 0.28)], 0.024)
    c.ceja([(0.58, 0.28), (0.67, 0.24), (0.76, 0.3)], 0.024)
    c.ojo(0.35, 0.41)
    c.ojo(0.65, 0.41)
    c.mejillas()
    c.boca([(0.24, 0.6), (0.5, 0.66), (0.76, 0.6)], [(0.24, 0.6), (0.5, 0.94), (0.76, 0.6)])


def carcajada(c):
    """'JE!!': cheeky laugh, eyes squeezed, head tilted back."""
    c.cabeza()
    c.curva([(0.24, 0.34), (0.33, 0.4), (0.42, 0.42)], 0.03)     # >
    c.curva([(0.24, 0.48), (0.33, 0.45), (0.42, 0.42)], 0.03)
    c.curva([(0.76, 0.34), (0.67, 0.4), (0.58, 0.42)], 0.03)     # <
    c.curva([(0.76, 0.48), (0.67, 0.45), (0.58, 0.42)], 0.03)
    c.mejillas(0.6)
    c.boca([(0.22, 0.56), (0.5, 0.6), (0.78, 0.56)], [(0.22, 0.56), (0.5, 1.0), (0.78, 0.56)])
    if c.fino:
        c.lagrima(0.18, 0.44, 0.12, 0.035)
        c.lagrima(0.82, 0.44, 0.12, 0.035)


def aplastado(c):
    """Player won by a lot: flattened, knocked-out face with stars."""
    c.cabeza(caja=(0.02, 0.5, 0.98, 0.97))
    c.ojo_x(0.32, 0.67, 0.05)
    c.ojo_x(0.68, 0.67, 0.05)
    ond = [(0.36, 0.84), (0.41, 0.8), (0.46, 0.84), (0.51, 0.8), (0.56, 0.84), (0.61, 0.8), (0.66, 0.84)]
    trazos.trazo(c.d, [c.p(*q) for q in ond], OSCURO, c.w(0.024))
    c.estrella(0.2, 0.3, 0.11 if c.fino else 0.15, (255, 230, 80))
    c.estrella(0.55, 0.2, 0.09, (255, 255, 255))
    if c.fino:
        c.estrella(0.83, 0.33, 0.08, (255, 230, 80))
        for x in (0.04, 0.96):
            c.curva([(x, 0.96), (x + (0.05 if x < 0.5 else -0.05), 0.9)], 0.012, color=(150, 120, 80))


def ok(c):
    """'Ok!!': resigned half smile with a thumbs up."""
    c.cabeza(caja=(0.04, 0.04, 0.88, 0.88))
    c.ceja([(0.2, 0.28), (0.28, 0.25), (0.38, 0.3)], 0.024)
    c.ceja([(0.52, 0.3), (0.62, 0.25), (0.7, 0.28)], 0.024)
    for cx in (0.3, 0.6):
        c.ojo(cx, 0.41, 0.045, 0.06)
        # heavy lids: the top half of each eye is covered
        c.d.rectangle((*c.p(cx - 0.07, 0.33), *c.p(cx + 0.07, 0.405)), fill=(255, 215, 60))
        c.curva([(cx - 0.065, 0.405), (cx + 0.065, 0.405)], 0.02)
    c.curva([(0.3, 0.64), (0.46, 0.68), (0.6, 0.62)], 0.03)
    # thumbs up, lower right
    piel, borde = (255, 205, 60), CONTORNO
    g = c.w(0.016)
    c.d.rounded_rectangle((*c.p(0.62, 0.62), *c.p(0.9, 0.96)), radius=0.07 * R, fill=piel, outline=borde, width=g)
    c.d.rounded_rectangle((*c.p(0.66, 0.38), *c.p(0.78, 0.68)), radius=0.06 * R, fill=piel, outline=borde, width=g)
    if c.fino:
        for y in (0.72, 0.8, 0.88):
            c.curva([(0.78, y), (0.88, y)], 0.012, color=borde)
    c.d.rectangle((*c.p(0.67, 0.6), *c.p(0.77, 0.66)), fill=piel)


def llanto(c):
    """Player won by a fair margin: crying rivers."""
    c.cabeza(colores=((255, 240, 150), (250, 205, 60), (220, 150, 20)))
    c.ceja([(0.24, 0.3), (0.33, 0.32), (0.42, 0.25)], 0.026)
    c.ceja([(0.58, 0.25), (0.67, 0.32), (0.76, 0.3)], 0.026)
    c.ojo_cerrado(0.34, 0.42, 0.14, 0.04, hacia_arriba=False)
    c.ojo_cerrado(0.66, 0.42, 0.14, 0.04, hacia_arriba=False)
    c.lagrima(0.3, 0.45, 0.32, 0.055)
    c.lagrima(0.7, 0.45, 0.32, 0.055)
    c.boca([(0.34, 0.78), (0.5, 0.6), (0.66, 0.78)], [(0.34, 0.78), (0.5, 0.82), (0.66, 0.78)],
           dientes=False, lengua=False)


def enojo(c):
    """'No puedo perder así!!': red with anger, gritted teeth."""
    c.cabeza(colores=ROJIZO)
    c.curva([(0.22, 0.3), (0.42, 0.4)], 0.04)
    c.curva([(0.78, 0.3), (0.58, 0.4)], 0.04)
    for cx in (0.34, 0.66):
        c.ojo(cx, 0.49, 0.05, 0.06)
    c.d.rounded_rectangle((*c.p(0.26, 0.64), *c.p(0.74, 0.8)), radius=0.04 * R, fill=(255, 255, 250),
                          outline=OSCURO, width=c.w(0.02))
    c.curva([(0.27, 0.72), (0.73, 0.72)], 0.012)
    if c.fino:
        for x in (0.36, 0.44, 0.52, 0.6, 0.68):
            c.curva([(x, 0.65), (x, 0.79)], 0.01)
        # throbbing-vein anger mark: four bowed corners around a point
        cx, cy = 0.84, 0.17
        for sx in (-1, 1):
            for sy in (-1, 1):
                c.curva([(cx + sx * 0.02, cy + sy * 0.08), (cx + sx * 0.025, cy + sy * 0.025),
                         (cx + sx * 0.08, cy + sy * 0.02)], 0.022, color=(230, 0, 0))


CARAS = {
    "1839": catedra,
    "ma_smile 011": guinio,
    "ma_smile 006": sonrisa,
    "ma_smile 004": carcajada,
    "ma_smile 001": aplastado,
    "ma_smile 005": ok,
    "ma_smile 010": llanto,
    "ma_smile 007": enojo,
}


def dibujar(funcion, tam):
    c = Cara(tam)
    funcion(c)
    return c.final()


def guardar_ico(ruta, imagenes):
    """Write with Pillow, then put the largest picture first so single-image readers get it."""
    grande = imagenes[0]
    grande.save(ruta, format="ICO", sizes=[im.size for im in imagenes], append_images=imagenes[1:])
    with open(ruta, "rb") as f:
        datos = bytearray(f.read())
    n = int.from_bytes(datos[4:6], "little")
    entradas = [datos[6 + 16 * i: 22 + 16 * i] for i in range(n)]
    entradas.sort(key=lambda e: -(e[0] or 256))
    datos[6:6 + 16 * n] = b"".join(entradas)
    with open(ruta, "wb") as f:
        f.write(datos)


def main():
    destino = sys.argv[1]
    for nombre, funcion in CARAS.items():
        guardar_ico(f"{destino}/{nombre}.ico", [dibujar(funcion, t) for t in TAMANIOS])


if __name__ == "__main__":
    main()
