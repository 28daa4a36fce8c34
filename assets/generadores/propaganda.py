#!/usr/bin/env python3
"""Animated advertisement GIFs for the game (320 x 200).

Usage: propaganda.py OUTPUT_DIR   (writes Imagen1.gif ... and Publique.gif)
Frames are drawn at twice the size and downscaled for smooth edges.
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
    """Play truco against the computer: cards deal in, title drops."""
    a = Anuncio((30, 130, 70), (8, 55, 30))
    cartas = [trazos.carta(70 * K, n, p, angulo=ang) for n, p, ang in ((1, "E", 14), (1, "B", 0), (7, "E", -14))]
    destino = [(118, 132), (168, 124), (218, 132)]
    for f in range(16):
        img, d = a.nuevo()
        destellos(d, f, [(22, 70, 6), (300, 76, 7), (292, 16, 4)])
        y = -30 + 64 * rebote((f + 2) / 5)
        titulo(d, 160, y - 16, "¡Jugá al truco", 24)
        titulo(d, 160, y + 12, "contra la computadora!", 18, BLANCO)
        for i, (c, (x, yy)) in enumerate(zip(cartas, destino)):
            t = suave((f - 1 - 2 * i) / 4)
            if t > 0:
                pegar(img, c, x + (1 - t) * (i - 1) * 60, yy + (1 - t) * 140)
        if f >= 9:
            t = suave((f - 8) / 3)
            pegar(img, cara("ma_smile 006", 50), 46, 124 + (1 - t) * 110)
            titulo(d, 46, 168 + (1 - t) * 110, "¿Te animás?", 10, BLANCO)
        if f >= 11:
            # a blinking "play now" badge
            r = (25 if f % 2 else 28) * K
            cx, cy = 284 * K, 146 * K
            pts = [(cx + (r if j % 2 == 0 else r * 0.8) * math.cos(j * math.pi / 12),
                    cy + (r if j % 2 == 0 else r * 0.8) * math.sin(j * math.pi / 12)) for j in range(24)]
            d.polygon(pts, fill=(220, 30, 40), outline=BLANCO)
            texto_centrado(d, cx, cy - 6 * K, "¡Jugá", fuente(10 * K), BLANCO)
            texto_centrado(d, cx, cy + 6 * K, "ya!", fuente(10 * K), BLANCO)
        a.agregar(img, 250 if f >= 11 else 120)
    a.guardar(ruta)


def mentira(ruta):
    """The computer catches a false tanto."""
    a = Anuncio((40, 55, 140), (10, 15, 55))
    c4 = trazos.carta(40 * K, 4, "C", angulo=8)
    c6 = trazos.carta(40 * K, 6, "O", angulo=-8)
    for f in range(15):
        img, d = a.nuevo()
        destellos(d, f, [(20, 20, 5), (128, 150, 4), (300, 150, 5)])
        nombre = "ma_smile 006" if f < 5 else ("ma_smile 011" if f < 8 else "ma_smile 004")
        pegar(img, cara(nombre, 76), 54, 72)
        if f >= 1:
            globo(d, (150, 14, 306, 52), (262, 76), "¡Tengo 33 de tanto!", 12)
        if f >= 4:
            t = suave((f - 4) / 3)
            pegar(img, c4, 232 - 20 * t, 112 + (1 - t) * 80)
            pegar(img, c6, 262 + 20 * t, 112 + (1 - t) * 80)
        if f >= 7:
            s = 1 + 1.2 * (1 - suave((f - 7) / 2))
            sello = Image.new("RGBA", (int(190 * K * s), int(52 * K * s)), (0, 0, 0, 0))
            ds = ImageDraw.Draw(sello)
            ds.rounded_rectangle((4, 4, sello.width - 5, sello.height - 5), radius=int(12 * s),
                                 outline=(230, 20, 30), width=int(5 * K * s), fill=(255, 255, 255, 215))
            texto_centrado(ds, sello.width / 2, sello.height / 2, "¡MENTIRA!", fuente(30 * K * s), (225, 20, 30))
            sello = sello.rotate(-10, resample=Image.Resampling.BICUBIC, expand=True)
            temblor = (3 if f % 2 else -3) if f < 11 else 0
            pegar(img, sello, 196 + temblor, 112, con_sombra=False)
        if f >= 9:
            titulo(d, 160, 166, "Si mentís el tanto, te cobra", 12, BLANCO)
            titulo(d, 160, 184, "los puntos… ¡y cinco más!", 12, AMARILLO)
        a.agregar(img, 300 if f in (3, 14) else 150)
    a.guardar(ruta)


def recuerdos(ruta):
    """The computer remembers how you sing your tanto."""
    a = Anuncio((110, 50, 150), (30, 10, 60))
    filas = [("% ganados", 33.33, 100, " %"), ("% tantos mentirosos", 12.5, 100, " %"),
             ("Promedio de tanto", 24.6, 33, "")]
    for f in range(15):
        img, d = a.nuevo()
        destellos(d, f, [(16, 60, 4), (304, 62, 4)])
        titulo(d, 136, 20, "La compu tiene «recuerdos»", 15)
        titulo(d, 136, 42, "Se acuerda de cómo cantás el tanto", 10, BLANCO)
        pegar(img, cara("ma_smile 011" if f % 6 < 3 else "ma_smile 006", 44), 290, 34, con_sombra=False)
        for i, (etiqueta, valor, tope, unidad) in enumerate(filas):
            y = 66 + i * 33
            t = suave((f - 1 - i) / 6)
            texto_izq(d, 30, y, etiqueta, 10)
            d.rounded_rectangle((30 * K, (y + 8) * K, 236 * K, (y + 22) * K), radius=12,
                                fill=(255, 255, 255, 50), outline=(255, 255, 255))
            largo = 206 * valor / tope * t
            if largo > 5:
                color = [(90, 220, 120), (250, 110, 90), (100, 180, 255)][i]
                d.rounded_rectangle((30 * K, (y + 8) * K, (30 + largo) * K, (y + 22) * K), radius=12, fill=color)
            numero = f"{valor * t:.2f}".rstrip("0").rstrip(".") if t < 1 else f"{valor:g}"
            titulo(d, 270, y + 15, numero + unidad, 12, AMARILLO)
        if f >= 9:
            titulo(d, 160, 182, "…y con eso decide: ¿quiero o no quiero?", 11, AMARILLO)
        a.agregar(img, 300 if f == 14 else 140)
    a.guardar(ruta)


def flor(ruta):
    """The flor option and its answers."""
    a = Anuncio((190, 40, 60), (70, 8, 25))
    cartas = [trazos.carta(58 * K, n, "C", angulo=ang) for n, ang in ((7, 16), (6, 0), (5, -16))]
    frases = ["Con flor me achico", "Con flor juego", "Contra flor al resto"]
    for f in range(16):
        img, d = a.nuevo()
        destellos(d, f, [(150, 30, 6), (300, 90, 5), (20, 20, 4)], color=(255, 230, 120))
        for i, c in enumerate(cartas):
            t = suave((f + 2 - i) / 4)
            pegar(img, c, 82 + (i - 1) * 36 * t, 100 + (1 - t) * 120 + abs(i - 1) * 6)
        s = rebote((f - 2) / 3)
        if s > 0.05:
            titulo(d, 228, 52, "¡FLOR!", max(4, 40 * s))
        if f >= 5:
            i = min(2, (f - 5) // 3)
            x = 228 + (1 - suave(((f - 5) % 3 + 1) / 2)) * 90 if f < 14 else 228
            titulo(d, x, 102, frases[i], 13, BLANCO)
            for j in range(3):
                color = AMARILLO if j == i else (150, 90, 100)
                d.ellipse(((213 + j * 15) * K, 120 * K, (219 + j * 15) * K, 126 * K), fill=color)
        if f >= 11:
            titulo(d, 160, 176, "Activá la flor en el menú Juego", 13, AMARILLO)
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
        titulo(d, 160, 22, "¿A 15 o a 30 puntos?", 20)
        n = min(15, f + 1)
        for g in range(3):                       # three boxes of five
            x, y, L = 52 + g * 82, 48, 54
            lados = [(x, y + L, x, y), (x, y, x + L, y), (x + L, y, x + L, y + L),
                     (x + L, y + L, x, y + L), (x, y + L, x + L, y)]
            for k in range(5):
                if g * 5 + k < n:
                    fosforo(img, *lados[k])
        titulo(d, 160, 128, f"{n}", 24, BLANCO)
        if f >= 14:
            titulo(d, 160, 164, "Anotá con fósforos, como en el boliche.", 11, BLANCO)
            titulo(d, 160, 182, "Vos elegís en el menú Puntaje", 12, AMARILLO)
        a.agregar(img, 300 if f == 17 else 140)
    a.guardar(ruta)


def publique(ruta):
    """Generic banner: name, subtitle and dancing suits."""
    a = Anuncio((20, 80, 50), (5, 25, 15))
    d0 = ImageDraw.Draw(a.fondo)
    d0.rounded_rectangle((14, 14, W * K - 15, H * K - 15), radius=14, outline=(230, 180, 40), width=4)
    # gold title once, with its alpha as the mask for the moving shine
    capa = Image.new("RGBA", (W * K, H * K), (0, 0, 0, 0))
    texto_centrado(ImageDraw.Draw(capa), W * K / 2, 66 * K, "Naipalia", fuente(54 * K), (255, 200, 40),
                   (90, 40, 0), 6)
    letras = Image.new("L", capa.size, 0)
    texto_centrado(ImageDraw.Draw(letras), W * K / 2, 66 * K, "Naipalia", fuente(54 * K), 255)
    for f in range(14):
        img, d = a.nuevo()
        img.paste(capa, (0, 0), capa)
        brillo = Image.new("L", capa.size, 0)
        bx = (-40 + f * 30) * K
        ImageDraw.Draw(brillo).polygon([(bx, 0), (bx + 26 * K, 0), (bx - 34 * K, H * K), (bx - 60 * K, H * K)],
                                       fill=210)
        img.paste((255, 255, 235), (0, 0), Image.composite(brillo, Image.new("L", capa.size, 0), letras))
        titulo(d, 160, 114, "Truco argentino", 19, BLANCO)
        for i, p in enumerate("EBOC"):
            salto = max(0.0, math.sin((f - i * 2) * math.pi / 7)) * 12
            trazos.palo(d, p, (88 + i * 48) * K, (160 - salto) * K, 40 * K)
        a.agregar(img, 130)
    a.guardar(ruta)


def main():
    destino = sys.argv[1]
    for i, hacer in enumerate([jugar, mentira, recuerdos, flor, puntos], start=1):
        hacer(f"{destino}/Imagen{i}.gif")
    publique(f"{destino}/Publique.gif")


if __name__ == "__main__":
    main()
