#!/usr/bin/env python3
"""Draws the card pictures of Naipalia: the 40 faces of the Spanish deck,
the card back and the hand pointer.

Run from the repository root:  /usr/bin/python3 assets/generadores/cartas.py
Output goes to assets/programa/.  The result is deterministic.
"""
import os
import sys

sys.dont_write_bytecode = True  # keep the repository free of __pycache__

from PIL import Image, ImageFont  # noqa: E402

import cartas_figuras  # noqa: E402
import cartas_palos as palos  # noqa: E402
from cartas_dorso import dibujar_dorso  # noqa: E402
from cartas_puntero import dibujar_puntero  # noqa: E402
from cartas_lienzo import CREMA, ORO, S, Lienzo  # noqa: E402

ANCHO, ALTO = 240, 324
RADIO = 14
FUENTES = "/usr/share/fonts/truetype/dejavu/"
SALIDA = os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "programa")

# File number -> (face, suit), in the order the game numbers its cards.
MAZO = [
    (1, "espada"), (1, "basto"), (7, "espada"), (7, "oro"),
    (3, "oro"), (3, "espada"), (3, "copa"), (3, "basto"),
    (2, "oro"), (2, "espada"), (2, "copa"), (2, "basto"),
    (1, "oro"), (1, "copa"),
    (12, "oro"), (12, "espada"), (12, "copa"), (12, "basto"),
    (11, "oro"), (11, "espada"), (11, "copa"), (11, "basto"),
    (10, "espada"), (10, "oro"), (10, "basto"), (10, "copa"),
    (7, "copa"), (7, "basto"),
    (6, "oro"), (6, "espada"), (6, "copa"), (6, "basto"),
    (5, "oro"), (5, "espada"), (5, "copa"), (5, "basto"),
    (4, "espada"), (4, "copa"), (4, "basto"), (4, "oro"),
]

# Index colour per suit, dark enough to read on the cream paper.
COLOR_PALO = {"oro": (176, 112, 0), "copa": (186, 26, 34),
              "espada": (30, 70, 150), "basto": (34, 110, 42)}
# Traditional "pinta": number of breaks in the frame line of each suit.
PINTA = {"oro": 0, "copa": 1, "espada": 2, "basto": 3}
# Height of the small suit mark under the corner number.
ALTO_MINI = {"oro": 18, "copa": 19, "espada": 28, "basto": 27}

# Inner frame; the notch leaves room for the corner index.
MARGEN = 11
MUESCA_X, MUESCA_Y = 56, 75


def lienzo_carta():
    img = Image.new("RGBA", (ANCHO * S, ALTO * S), (0, 0, 0, 0))
    L = Lienzo(img, S)
    L.rect(0, 0, ANCHO - 0.25, ALTO - 0.25, CREMA, (52, 46, 50), 2.0, RADIO)
    return img, L


def reducir(img):
    return img.resize((ANCHO, ALTO), Image.Resampling.LANCZOS)


def medio_marco(L, palo):
    """Top-left half of the frame and the index; the other half is the
    same drawing turned 180 degrees."""
    color = COLOR_PALO[palo]
    m, mx, my = MARGEN, MUESCA_X, MUESCA_Y
    L.linea([(m, ALTO / 2), (m, my), (mx, my), (mx, m)], color, 1.4)
    # Top edge, broken `PINTA` times around its centre.
    x0, x1 = mx, ANCHO - m
    centro, hueco, paso = (x0 + x1) / 2, 7, 16
    n = PINTA[palo]
    cortes = [centro + (i - (n - 1) / 2) * paso for i in range(n)]
    tramo = x0
    for c in cortes:
        L.linea([(tramo, m), (c - hueco / 2, m)], color, 1.4)
        tramo = c + hueco / 2
    L.linea([(tramo, m), (x1, m), (x1, ALTO / 2)], color, 1.4)


def indice(L, numero, palo):
    # Sans and slightly tight so two digits stay big enough at small sizes.
    fuente = ImageFont.truetype(FUENTES + "DejaVuSansCondensed-Bold.ttf", 39 * S)
    color = (*COLOR_PALO[palo], 255)
    texto = str(numero)
    junta = -2.5
    anchos = [fuente.getlength(c) / S for c in texto]
    x = 29 - (sum(anchos) + junta * (len(texto) - 1)) / 2
    for c, a in zip(texto, anchos):
        L.d.text(L.pt(x, 40), c, font=fuente, anchor="ls", fill=color)
        x += a + junta
    dibujo, caja = palos.DIBUJOS[palo]
    L.simbolo(dibujo, caja, 29, 58, ALTO_MINI[palo])


def adornos(img, numero, palo):
    capa = Image.new("RGBA", img.size, (0, 0, 0, 0))
    L = Lienzo(capa, S)
    medio_marco(L, palo)
    indice(L, numero, palo)
    img.alpha_composite(capa)
    img.alpha_composite(capa.transpose(Image.Transpose.ROTATE_180))


# Pip centres (card pixels) and symbol height for each face value.
# Round suits (oro, copa) and long suits (espada, basto) need different sizes.
C1, C2 = 82, 158
PIPS_REDONDOS = {
    2: ([(120, 86), (120, 238)], 76),
    3: ([(120, 66), (120, 162), (120, 258)], 70),
    4: ([(C1, 92), (C2, 92), (C1, 232), (C2, 232)], 62),
    5: ([(C1, 90), (C2, 90), (120, 162), (C1, 234), (C2, 234)], 60),
    6: ([(C1, 82), (C2, 82), (C1, 162), (C2, 162), (C1, 242), (C2, 242)], 56),
    7: ([(C1, 76), (C2, 76), (120, 122), (C1, 176), (C2, 176), (C1, 254), (C2, 254)], 52),
}
PIPS_LARGOS = {
    2: ([(120, 88), (120, 236)], 128),
    3: ([(120, 68), (120, 162), (120, 256)], 88),
    4: ([(C1, 90), (C2, 90), (C1, 234), (C2, 234)], 124),
    5: ([(C1, 90), (C2, 90), (120, 162), (C1, 234), (C2, 234)], 118),
    6: ([(C1, 74), (C2, 74), (C1, 162), (C2, 162), (C1, 250), (C2, 250)], 84),
    7: ([(C1, 74), (C2, 74), (120, 118), (C1, 162), (C2, 162), (C1, 250), (C2, 250)], 84),
}


def pips(L, numero, palo):
    dibujo, caja = palos.DIBUJOS[palo]
    tabla = PIPS_LARGOS if palo in ("espada", "basto") else PIPS_REDONDOS
    centros, alto = tabla[numero]
    if palo == "copa":
        alto *= 1.1  # cups look smaller than coins at equal height
    for x, y in centros:
        # The middle club of the five is shorter so its knots clear the others.
        medio = numero == 5 and x == 120 and palo == "basto"
        L.simbolo(dibujo, caja, x, y, alto * (0.82 if medio else 1))


def as_de(L, palo):
    if palo == "espada":
        L.simbolo(palos.espada_as, palos.CAJA_ESPADA_AS, 120, 164, 272)
    elif palo == "basto":
        L.simbolo(palos.basto_as, palos.CAJA_BASTO_AS, 120, 164, 262)
    elif palo == "copa":
        L.simbolo(palos.copa, palos.CAJA_COPA, 120, 162, 190, adornada=True)
    else:
        L.simbolo(palos.oro, palos.CAJA_ORO, 120, 140, 150, adornado=True)
        cinta(L, 120, 234, "NAIPALIA")


def cinta(L, cx, cy, texto):
    """Ribbon with the deck's name under the ace of coins."""
    rojo, oscuro = (196, 36, 40), (128, 20, 26)
    for lado in (-1, 1):
        x = cx + lado * 50
        L.poli([(x, cy - 6), (x + lado * 18, cy - 6), (x + lado * 12, cy + 3),
                (x + lado * 18, cy + 12), (x, cy + 12)], oscuro)
    L.poli([(cx - 54, cy - 12), (cx + 54, cy - 12), (cx + 54, cy + 8), (cx - 54, cy + 8)], rojo)
    fuente = ImageFont.truetype(FUENTES + "DejaVuSerif-Bold.ttf", 15 * S)
    L.d.text(L.pt(cx, cy - 2), texto, font=fuente, anchor="mm", fill=(*ORO[:3], 255))


def cara(numero, palo):
    img, L = lienzo_carta()
    if numero == 1:
        as_de(L, palo)
    elif numero <= 7:
        pips(L, numero, palo)
    else:
        cartas_figuras.figura(L, numero, palo)
    adornos(img, numero, palo)
    return reducir(img)


def main():
    carpeta = os.path.join(SALIDA, "Cartas")
    os.makedirs(carpeta, exist_ok=True)
    for n, (numero, palo) in enumerate(MAZO):
        cara(numero, palo).save(os.path.join(carpeta, "%02d.png" % n), optimize=True)
    dorso = dibujar_dorso(ANCHO, ALTO, RADIO)
    dorso.save(os.path.join(SALIDA, "Fondo.gif"))
    grande, *chicas = dibujar_puntero()
    grande.save(os.path.join(SALIDA, "hand.ico"), format="ICO", bitmap_format="bmp",
                sizes=[im.size for im in [grande] + chicas], append_images=chicas)


if __name__ == "__main__":
    main()
