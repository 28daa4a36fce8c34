"""The four suit symbols, drawn in their own local unit boxes."""
import math

from cartas_lienzo import (ORO, ORO_CLARO, ORO_OSCURO, TINTA, Lienzo, arco,
                           bezier, estrella)

CAJA_ESPADA = (28, 100)
CAJA_BASTO = (30, 100)
CAJA_ORO = (100, 100)
CAJA_COPA = (64, 84)
CAJA_ESPADA_AS = (64, 124)
CAJA_BASTO_AS = (50, 112)

ACERO_CLARO = (170, 198, 230)
ACERO = (78, 112, 170)
ACERO_BRILLO = (238, 244, 252)
CUERO = (150, 40, 34)
ROJO = (200, 38, 44)
ROJO_OSCURO = (118, 18, 26)
AZUL_GEMA = (40, 86, 180)
VERDE = (112, 150, 56)
VERDE_OSCURO = (78, 112, 38)
VERDE_CLARO = (170, 206, 104)
MADERA_CORTE = (234, 208, 150)
MADERA_ANILLO = (170, 126, 66)
MADERA_BORDE = (58, 42, 22)
MADERA_GRANO = (104, 64, 26)
MADERA = (176, 122, 58)
MADERA_SOMBRA = (134, 86, 38)
MADERA_LUZ = (218, 170, 104)


def elipse_rot(cx, cy, rx, ry, ang, n=20):
    c, s = math.cos(math.radians(ang)), math.sin(math.radians(ang))
    out = []
    for i in range(n):
        t = 2 * math.pi * i / n
        x, y = rx * math.cos(t), ry * math.sin(t)
        out.append((cx + x * c - y * s, cy + x * s + y * c))
    return out


def hoja(L, x, y, largo, ang, color=VERDE, borde=TINTA):
    """A pointed leaf whose stalk starts at (x, y) and grows along `ang`."""
    c, s = math.cos(math.radians(ang)), math.sin(math.radians(ang))
    w = largo * 0.32
    loc = [(0, 0), (largo * 0.35, -w), (largo, 0), (largo * 0.35, w)]
    L.poli([(x + a * c - b * s, y + a * s + b * c) for a, b in loc], color, borde, 0.8)


# ---------------------------------------------------------------- espada

def espada(L):
    blade = [(14, 1), (20, 11), (19.4, 72), (8.6, 72), (8, 11)]
    L.poli([(14, 1), (8, 11), (8.6, 72), (14, 72)], ACERO_CLARO, None)
    L.poli([(14, 1), (20, 11), (19.4, 72), (14, 72)], ACERO, None)
    L.linea([(14, 8), (14, 69)], ACERO_BRILLO, 0.8)
    L.poli(blade, None, TINTA)
    # Quillons curl up towards the blade, as on the classic Spanish pips.
    L.poli([(1, 68.5), (4.5, 72.5), (23.5, 72.5), (27, 68.5), (27.8, 73.5), (24.5, 78),
            (3.5, 78), (0.2, 73.5)], ORO)
    L.circulo(14, 75.2, 2.5, ROJO, TINTA, 0.8)
    L.rect(11.2, 78, 16.8, 90.5, CUERO)
    for y in (81, 84.3, 87.6):
        L.linea([(11.4, y + 1.3), (16.6, y - 1.3)], ORO, 0.9)
    L.circulo(14, 94.5, 5, ORO)
    L.circulo(12.9, 93.2, 1.5, ORO_CLARO, None)


def espiral(cx, cy, r, lado, vueltas=1.3, n=30):
    return [(cx + lado * r * (1 - i / n * 0.75) * math.cos(a),
             cy + r * (1 - i / n * 0.75) * math.sin(a))
            for i in range(n + 1)
            for a in [math.pi * 0.5 + 2 * math.pi * vueltas * i / n]]


def espada_as(L):
    # Laurel behind the blade
    for lado in (-1, 1):
        tallo = bezier((32, 96), (32 + lado * 20, 84), (32 + lado * 26, 56), (32 + lado * 16, 26))
        L.linea(tallo, VERDE_OSCURO, 1.4)
        for i, (x, y) in enumerate(tallo[2:-1:2]):
            for sgn in (-1, 1):
                ang = -90 + lado * (25 + sgn * 45) - i * 6 * lado
                hoja(L, x, y, 8.5, ang, VERDE if sgn > 0 else VERDE_OSCURO)
    blade = [(32, 2), (39.5, 18), (38.5, 84), (25.5, 84), (24.5, 18)]
    L.poli([(32, 2), (24.5, 18), (25.5, 84), (32, 84)], ACERO_CLARO, None)
    L.poli([(32, 2), (39.5, 18), (38.5, 84), (32, 84)], ACERO, None)
    L.linea([(32, 10), (32, 80)], ACERO_BRILLO, 1.2)
    L.poli(blade, None, TINTA, 1.3)
    # Ornate guard: a bar ending in curls on both sides.
    for lado in (-1, 1):
        L.trazo(espiral(32 + lado * 22, 82, 6, lado), ORO, 3.2, TINTA, 1.0)
    L.poli([(12, 84), (52, 84), (54, 90), (10, 90)], ORO, TINTA, 1.2)
    L.elipse(32, 88, 8, 6, ORO_CLARO, TINTA, 1.2)
    L.elipse(32, 88, 4, 3.5, ROJO, TINTA, 1.0)
    L.rect(28.5, 93.5, 35.5, 110, CUERO, TINTA, 1.2, 1)
    for y in (97, 101, 105):
        L.linea([(28.7, y + 1.6), (35.3, y - 1.6)], ORO, 1.3)
    L.circulo(32, 115.5, 6.5, ORO, TINTA, 1.2)
    L.circulo(32, 115.5, 2.6, AZUL_GEMA, TINTA, 0.9)


# ----------------------------------------------------------------- basto

def _bulto(y, centros):
    return sum(1.5 * math.exp(-((y - c) / 3.2) ** 2) for c in centros)


def _borde_basto():
    # Lumps along both sides make the staff look gnarled, like real wood.
    izq = [(x - _bulto(y, (26, 47, 75, 88)), y)
           for x, y in bezier((10.5, 97), (9.5, 70), (5.0, 40), (4.0, 14), 40)]
    tapa = arco(15, 14, 11, 12.5, 180, 360)
    der = [(x + _bulto(y, (38, 64, 90)), y)
           for x, y in bezier((26.0, 14), (25.0, 40), (20.5, 70), (19.5, 97), 40)]
    pie = arco(15, 97, 4.5, 2.5, 0, 180, 10)
    return izq + tapa + der + pie


NUDOS = ((-1, 33), (1, 22), (1, 51), (-1, 63), (1, 78))


def _ancho_basto(y):
    """Half width of the club at height y (close enough for placing knots)."""
    return 11 - (y - 14) / 83 * 6.5


def basto(L, hojas=False):
    for lado, y in NUDOS:
        x = 15 + lado * (_ancho_basto(y) - 1.5)
        dx, dy = lado * 0.8, -0.6
        tip = (x + dx * 6, y + dy * 6)
        nx, ny = -dy, dx
        L.poli([(x + nx * 3.4, y + ny * 3.4), (tip[0] + nx * 2.8, tip[1] + ny * 2.8),
                (tip[0] - nx * 2.8, tip[1] - ny * 2.8), (x - nx * 3.4, y - ny * 3.4)],
               MADERA, MADERA_BORDE, 1.0)
        ang = math.degrees(math.atan2(dy, dx))
        L.poli(elipse_rot(tip[0], tip[1], 1.6, 3.0, ang), MADERA_CORTE, MADERA_BORDE, 0.9)
        L.poli(elipse_rot(tip[0], tip[1], 0.6, 1.2, ang), MADERA_ANILLO, None)
        if hojas:
            hoja(L, tip[0], tip[1], 11, ang - 28 * lado, VERDE_CLARO)
            hoja(L, tip[0], tip[1], 9, ang + 30 * lado, VERDE)
    borde = _borde_basto()
    L.poli(borde, MADERA, None)
    sombra = borde[66:107]
    L.poli(sombra + [(x - 5, y) for x, y in reversed(sombra)], MADERA_SOMBRA, None)
    L.linea(bezier((8.3, 20), (8.0, 40), (11.3, 70), (12.4, 92)), MADERA_LUZ, 1.4)
    # Short bark marks and knot holes so it reads as a wooden cudgel.
    for x, y in ((12, 24), (18, 31), (10, 45), (16, 55), (12, 80), (17, 86)):
        L.linea([(x - 1.2, y), (x + 0.2, y + 1.6), (x + 1.6, y + 1.2)], MADERA_GRANO, 0.8)
    for cx, cy in ((15.5, 40), (13.5, 69), (18.5, 62)):
        L.elipse(cx, cy, 1.6, 2.6, MADERA_GRANO, MADERA_BORDE, 0.7)
        L.elipse(cx - 0.3, cy - 0.4, 0.6, 1.1, MADERA_CORTE, None)
    L.poli(borde, None, MADERA_BORDE, 1.1)
    L.elipse(15, 97.5, 3.3, 1.6, MADERA_CORTE, MADERA_BORDE, 0.8)


def basto_as(L):
    sub = Lienzo(L.img, L.k * 1.0, L.ox + 10 * L.k, L.oy + 6 * L.k)
    # Sprouting leaves on the crown of the club, as on the classic ace.
    for ang, largo in ((-130, 12), (-90, 14), (-50, 12)):
        hoja(sub, 15, 6, largo, ang, VERDE_CLARO if ang == -90 else VERDE)
    basto(sub, hojas=True)


# ------------------------------------------------------------------- oro

def oro(L, adornado=False):
    L.circulo(50, 50, 48, ORO, TINTA, 1.3)
    for i in range(16):
        a = math.radians(i * 22.5)
        L.circulo(50 + 41.5 * math.cos(a), 50 + 41.5 * math.sin(a), 2.4, ORO_OSCURO, None)
    L.circulo(50, 50, 35, ORO_CLARO, ORO_OSCURO, 1.0)
    if adornado:
        L.poli(estrella(50, 50, 33, 20, 16), (236, 150, 40), ORO_OSCURO, 0.8)
    L.poli(estrella(50, 50, 28, 13, 8), (214, 92, 30), TINTA, 0.9)
    L.circulo(50, 50, 9, ROJO, TINTA, 0.9)
    L.circulo(50, 50, 3.5, ORO_CLARO, None)


# ------------------------------------------------------------------ copa

def _medio_ancho(y):
    return 28 * math.sqrt(max(0.0, 1 - ((y - 10) / 38) ** 2))


def copa(L, adornada=False):
    # Foot and stem first so the bowl overlaps them.
    L.poli([(29, 64), (35, 64), (51, 77), (13, 77)], ORO)
    L.elipse(32, 78, 19.5, 4, ORO)
    L.poli([(29, 44), (35, 44), (34, 66), (30, 66)], ORO)
    L.elipse(32, 60, 6, 3.2, ORO_CLARO)
    L.elipse(32, 52, 7.5, 4.2, ORO)
    L.circulo(32, 52, 2.4, AZUL_GEMA, TINTA, 0.8)
    cuenco = arco(32, 10, 28, 38, 0, 180, 40)
    L.poli(cuenco, ROJO)
    # Gold band under the rim, following the curve of the bowl.
    yb = 19
    wb = _medio_ancho(yb)
    banda = [(60, 10)] + [(32 + _medio_ancho(y), y) for y in range(11, yb + 1)]
    banda += [(32 + x, yb + 3 * (1 - (x / wb) ** 2)) for x in [wb - i * wb / 10 for i in range(21)]]
    banda += [(32 - _medio_ancho(y), y) for y in range(yb, 10, -1)] + [(4, 10)]
    L.poli(banda, ORO, TINTA, 0.9)
    if adornada:
        for x, col in ((-16, AZUL_GEMA), (0, ROJO), (16, (40, 140, 70))):
            L.elipse(32 + x, 16 + 3 * (1 - (x / wb) ** 2) - 1, 2.6, 2.2, col, TINTA, 0.7)
        L.linea(bezier((12, 30), (14, 38), (22, 44), (30, 45)), (236, 90, 90), 1.4)
    else:
        L.linea(bezier((10, 27), (12, 36), (20, 42), (28, 44)), (236, 90, 90), 1.1)
    L.poli(cuenco, None)
    L.elipse(32, 10, 28, 5, ORO)
    L.elipse(32, 10, 24.5, 3.3, ROJO_OSCURO, None)


DIBUJOS = {
    "espada": (espada, CAJA_ESPADA),
    "basto": (basto, CAJA_BASTO),
    "oro": (oro, CAJA_ORO),
    "copa": (copa, CAJA_COPA),
}
