#!/usr/bin/env python3
"""Animated advertisement GIFs for the game (320 x 200).

Usage: propaganda.py OUTPUT_DIR   (writes Imagen1.gif ... and Publique.gif)
Frames are drawn at twice the size and downscaled for smooth edges.
The table shows them at about a third of their size (104 x 65 pixels at 100 %), so every
text is at least LETRA_MINIMA high: its capitals stay 11 pixels tall there.
"""
import math
import sys

from PIL import Image, ImageDraw

import caras
import trazos
from trazos import fuente, texto_centrado

W, H = 320, 200
K = 2                                  # supersampling factor
AMARILLO = (255, 222, 60)
BLANCO = (255, 255, 255)
NEGRO = (20, 15, 10)
LETRA_MINIMA = 48                      # DejaVu Sans Bold: capitals 0.73 of the size


def suave(t):
    """Ease-out cubic, clamped."""
    t = max(0.0, min(1.0, t))
    return 1 - (1 - t) ** 3


def rebote(t):
    """Ease-out with a small overshoot."""
    t = max(0.0, min(1.0, t))
    return 1 + 2.2 * (t - 1) ** 3 + 1.2 * (t - 1) ** 2


class Anuncio:
    def __init__(self, arriba, abajo):
        # RGB frames: translucent fills blend and RGBA pieces paste with their alpha as mask
        self.fondo = trazos.degradado_vertical((W * K, H * K), arriba, abajo)
        d = ImageDraw.Draw(self.fondo, "RGBA")
        d.rounded_rectangle((6, 6, W * K - 7, H * K - 7), radius=18, outline=(255, 255, 255, 90), width=3)
        self.cuadros = []

    def nuevo(self):
        img = self.fondo.copy()
        return img, ImageDraw.Draw(img, "RGBA")

    def agregar(self, img, ms=150):
        self.cuadros.append((img.resize((W, H), Image.Resampling.LANCZOS), ms))

    def guardar(self, ruta):
        # One palette for the whole animation, so colours do not flicker between frames.
        muestra = Image.new("RGB", (W, H * len(self.cuadros)))
        for i, (im, _) in enumerate(self.cuadros):
            muestra.paste(im, (0, H * i))
        paleta = muestra.quantize(256, method=Image.Quantize.MEDIANCUT)
        pal = [im.quantize(palette=paleta, dither=Image.Dither.FLOYDSTEINBERG) for im, _ in self.cuadros]
        pal[0].save(ruta, save_all=True, append_images=pal[1:], loop=0, optimize=False,
                    duration=[ms for _, ms in self.cuadros], disposal=1)


def titulo(d, cx, cy, texto, tam, color=AMARILLO, contorno=NEGRO):
    texto_centrado(d, cx * K, cy * K, texto, fuente(tam * K), color, contorno, max(2, int(tam * K / 9)))


def pegar(img, pieza, cx, cy, con_sombra=True):
    """Paste an RGBA piece centred at (cx, cy) in final-pixel units."""
    x = int(cx * K - pieza.width / 2)
    y = int(cy * K - pieza.height / 2)
    if con_sombra:
        s, (dx, dy) = trazos.sombra(pieza)
        img.paste(s, (x + dx, y + dy), s)
    img.paste(pieza, (x, y), pieza)


def texto_izq(d, x, cy, texto, tam, color=BLANCO):
    fnt = fuente(tam * K)
    caja = d.textbbox((0, 0), texto, font=fnt)
    d.text((x * K, cy * K - (caja[1] + caja[3]) / 2), texto, font=fnt, fill=color,
           stroke_width=max(2, int(tam * K / 9)), stroke_fill=NEGRO)


def destellos(d, f, puntos, color=(255, 250, 200)):
    """Twinkling four-point sparkles; each frame differs, so no frame is merged away."""
    for i, (x, y, r) in enumerate(puntos):
        k = 0.35 + 0.65 * abs(math.sin((f + i * 1.7) * math.pi / 4))
        rr, ri = r * k * K, r * k * K * 0.22
        cx, cy = x * K, y * K
        d.polygon([(cx, cy - rr), (cx + ri, cy - ri), (cx + rr, cy), (cx + ri, cy + ri),
                   (cx, cy + rr), (cx - ri, cy + ri), (cx - rr, cy), (cx - ri, cy - ri)], fill=color)


def globo(d, caja, cola, texto, tam, color=(255, 255, 255)):
    x0, y0, x1, y1 = [v * K for v in caja]
    d.polygon([(cola[0] * K, cola[1] * K), ((x0 + x1) / 2 - 12, y1 - 4), ((x0 + x1) / 2 + 12, y1 - 4)],
              fill=color, outline=NEGRO)
    d.rounded_rectangle((x0, y0, x1, y1), radius=18, fill=color, outline=NEGRO, width=3)
    d.polygon([((x0 + x1) / 2 - 10, y1 - 5), ((x0 + x1) / 2 + 10, y1 - 5), (cola[0] * K, cola[1] * K - 4)],
              fill=color)
    texto_centrado(d, (x0 + x1) / 2, (y0 + y1) / 2, texto, fuente(tam * K), NEGRO)


_caras = {}


def cara(nombre, tam):
    clave = (nombre, tam)
    if clave not in _caras:
        _caras[clave] = caras.dibujar(caras.CARAS[nombre], tam * K)
    return _caras[clave]


# ---------------------------------------------------------------- the adverts

def jugar(ruta):
    """Play truco: cards deal in, the title drops, a face peeks."""
    a = Anuncio((30, 130, 70), (8, 55, 30))
    cartas = [trazos.carta(64 * K, n, p, angulo=ang) for n, p, ang in ((1, "E", 14), (1, "B", 0), (7, "E", -14))]
    destino = [(124, 142), (172, 136), (220, 142)]
    for f in range(16):
        img, d = a.nuevo()
        destellos(d, f, [(22, 70, 6), (300, 76, 7), (292, 120, 4)])
        y = -40 + 76 * rebote((f + 2) / 5)
        titulo(d, 160, y, "¡TRUCO!", 56)
        for i, (c, (x, yy)) in enumerate(zip(cartas, destino)):
            t = suave((f - 1 - 2 * i) / 4)
            if t > 0:
                pegar(img, c, x + (1 - t) * (i - 1) * 60, yy + (1 - t) * 140)
        if f >= 9:
            t = suave((f - 8) / 3)
            pegar(img, cara("ma_smile 006", 56), 44, 146 + (1 - t) * 110)
        if f >= 11:
            # a blinking star, no words
            r = (22 if f % 2 else 26) * K
            cx, cy = 282 * K, 150 * K
            pts = [(cx + (r if j % 2 == 0 else r * 0.55) * math.cos(j * math.pi / 5 - math.pi / 2),
                    cy + (r if j % 2 == 0 else r * 0.55) * math.sin(j * math.pi / 5 - math.pi / 2)) for j in range(10)]
            d.polygon(pts, fill=(255, 222, 60), outline=BLANCO)
        a.agregar(img, 250 if f >= 11 else 120)
    a.guardar(ruta)


def mentira(ruta):
    """The computer catches a false tanto."""
    a = Anuncio((40, 55, 140), (10, 15, 55))
    c4 = trazos.carta(46 * K, 4, "C", angulo=8)
    c6 = trazos.carta(46 * K, 6, "O", angulo=-8)
    for f in range(15):
        img, d = a.nuevo()
        destellos(d, f, [(20, 20, 5), (128, 150, 4), (300, 150, 5)])
        nombre = "ma_smile 006" if f < 5 else ("ma_smile 011" if f < 8 else "ma_smile 004")
        pegar(img, cara(nombre, 80), 54, 62)
        if f >= 1:
            globo(d, (160, 8, 300, 68), (200, 86), "¡33!", LETRA_MINIMA)
        if f >= 4:
            t = suave((f - 4) / 3)
            pegar(img, c4, 210 - 22 * t, 128 + (1 - t) * 80)
            pegar(img, c6, 246 + 22 * t, 128 + (1 - t) * 80)
        if f >= 7:
            s = 1 + 1.2 * (1 - suave((f - 7) / 2))
            sello = Image.new("RGBA", (int(300 * K * s), int(70 * K * s)), (0, 0, 0, 0))
            ds = ImageDraw.Draw(sello)
            ds.rounded_rectangle((4, 4, sello.width - 5, sello.height - 5), radius=int(12 * s),
                                 outline=(230, 20, 30), width=int(5 * K * s), fill=(255, 255, 255, 225))
            texto_centrado(ds, sello.width / 2, sello.height / 2, "¡MENTIRA!", fuente(LETRA_MINIMA * K * s),
                           (225, 20, 30))
            sello = sello.rotate(-8, resample=Image.Resampling.BICUBIC, expand=True)
            temblor = (3 if f % 2 else -3) if f < 11 else 0
            pegar(img, sello, 160 + temblor, 140, con_sombra=False)
        a.agregar(img, 300 if f in (3, 14) else 150)
    a.guardar(ruta)


def recuerdos(ruta):
    """The computer remembers how you sing your tanto: a thinking face and growing bars."""
    a = Anuncio((110, 50, 150), (30, 10, 60))
    valores = [0.33, 0.125, 0.75]
    for f in range(15):
        img, d = a.nuevo()
        destellos(d, f, [(16, 60, 4), (304, 62, 4)])
        titulo(d, 124, 34, "Memoria", LETRA_MINIMA)
        pegar(img, cara("ma_smile 011" if f % 6 < 3 else "ma_smile 006", 60), 280, 40, con_sombra=False)
        for i, valor in enumerate(valores):
            y = 82 + i * 36
            t = suave((f - 1 - i) / 6)
            d.rounded_rectangle((30 * K, y * K, 290 * K, (y + 24) * K), radius=16,
                                fill=(255, 255, 255, 50), outline=(255, 255, 255))
            largo = 260 * valor * t
            if largo > 5:
                color = [(90, 220, 120), (250, 110, 90), (100, 180, 255)][i]
                d.rounded_rectangle((30 * K, y * K, (30 + largo) * K, (y + 24) * K), radius=16, fill=color)
        a.agregar(img, 300 if f == 14 else 140)
    a.guardar(ruta)


def flor(ruta):
    """Three cards of one suit: flor."""
    a = Anuncio((190, 40, 60), (70, 8, 25))
    cartas = [trazos.carta(62 * K, n, "C", angulo=ang) for n, ang in ((7, 16), (6, 0), (5, -16))]
    for f in range(16):
        img, d = a.nuevo()
        destellos(d, f, [(150, 30, 6), (300, 150, 5), (20, 20, 4)], color=(255, 230, 120))
        for i, c in enumerate(cartas):
            t = suave((f + 2 - i) / 4)
            pegar(img, c, 72 + (i - 1) * 34 * t, 104 + (1 - t) * 120 + abs(i - 1) * 6)
        s = rebote((f - 2) / 3)
        if s > 0.05:
            titulo(d, 222, 80, "¡FLOR!", max(4, 50 * s))
        if f >= 5:
            i = min(2, (f - 5) // 3)
            for j in range(3):
                color = AMARILLO if j == i else (150, 90, 100)
                d.ellipse(((210 + j * 22) * K, 130 * K, (220 + j * 22) * K, 140 * K), fill=color)
        a.agregar(img, 300 if f == 15 else 150)
    a.guardar(ruta)


def fosforo(img, x0, y0, x1, y1):
    """One matchstick from (x0, y0) to its red head at (x1, y1), final-pixel units."""
    d = ImageDraw.Draw(img)
    d.line((x0 * K, y0 * K, x1 * K, y1 * K), fill=(120, 80, 30), width=5 * K + 2)
    d.line((x0 * K, y0 * K, x1 * K, y1 * K), fill=(245, 215, 150), width=5 * K - 2)
    d.ellipse(((x1 - 4) * K, (y1 - 4) * K, (x1 + 4) * K, (y1 + 4) * K), fill=(200, 30, 20), outline=(90, 10, 5))


def puntos(ruta):
    """Games to 15 or 30 points, counted with matchsticks."""
    a = Anuncio((150, 95, 50), (80, 45, 20))
    for f in range(18):
        img, d = a.nuevo()
        destellos(d, f, [(24, 60, 4), (296, 60, 4)])
        titulo(d, 160, 32, "¿15 o 30?", LETRA_MINIMA)
        n = min(15, f + 1)
        for g in range(3):                       # three boxes of five
            x, y, L = 40 + g * 66, 78, 46
            lados = [(x, y + L, x, y), (x, y, x + L, y), (x + L, y, x + L, y + L),
                     (x + L, y + L, x, y + L), (x, y + L, x + L, y)]
            for k in range(5):
                if g * 5 + k < n:
                    fosforo(img, *lados[k])
        titulo(d, 270, 104, f"{n}", 56, BLANCO)
        if f >= 14:
            titulo(d, 160, 166, "Fósforos", LETRA_MINIMA, AMARILLO)
        a.agregar(img, 300 if f == 17 else 140)
    a.guardar(ruta)


def publique(ruta):
    """Generic banner: name, subtitle and dancing suits."""
    a = Anuncio((20, 80, 50), (5, 25, 15))
    d0 = ImageDraw.Draw(a.fondo)
    d0.rounded_rectangle((14, 14, W * K - 15, H * K - 15), radius=14, outline=(230, 180, 40), width=4)
    # gold title once, with its alpha as the mask for the moving shine
    capa = Image.new("RGBA", (W * K, H * K), (0, 0, 0, 0))
    texto_centrado(ImageDraw.Draw(capa), W * K / 2, 48 * K, "Naipalia", fuente(58 * K), (255, 200, 40),
                   (90, 40, 0), 6)
    letras = Image.new("L", capa.size, 0)
    texto_centrado(ImageDraw.Draw(letras), W * K / 2, 48 * K, "Naipalia", fuente(58 * K), 255)
    for f in range(14):
        img, d = a.nuevo()
        img.paste(capa, (0, 0), capa)
        brillo = Image.new("L", capa.size, 0)
        bx = (-40 + f * 30) * K
        ImageDraw.Draw(brillo).polygon([(bx, 0), (bx + 26 * K, 0), (bx - 34 * K, H * K), (bx - 60 * K, H * K)],
                                       fill=210)
        img.paste((255, 255, 235), (0, 0), Image.composite(brillo, Image.new("L", capa.size, 0), letras))
        titulo(d, 160, 108, "Truco", LETRA_MINIMA, BLANCO)
        for i, p in enumerate("EBOC"):
            salto = max(0.0, math.sin((f - i * 2) * math.pi / 7)) * 8
            trazos.palo(d, p, (88 + i * 48) * K, (164 - salto) * K, 34 * K)
        a.agregar(img, 130)
    a.guardar(ruta)


def main():
    destino = sys.argv[1]
    for i, hacer in enumerate([jugar, mentira, recuerdos, flor, puntos], start=1):
        hacer(f"{destino}/Imagen{i}.gif")
    publique(f"{destino}/Publique.gif")


if __name__ == "__main__":
    main()
