"""Court cards: sota (10, a standing page), caballo (11, a rider) and
rey (12, a crowned king), each holding its suit symbol."""
import math

from cartas_lienzo import (BLANCO, ORO, ORO_CLARO, ORO_OSCURO, PIEL, S, TINTA,
                           Lienzo, arco, bezier)
import cartas_palos as palos

# Clothes per suit: main colour, second colour, accent.
ROPA = {
    "oro": ((52, 92, 172), (196, 48, 44), (236, 184, 52)),
    "copa": ((190, 44, 44), (54, 96, 176), (64, 142, 80)),
    "espada": ((62, 132, 74), (200, 60, 48), (60, 96, 176)),
    "basto": ((222, 160, 48), (60, 124, 70), (196, 48, 44)),
}
PELO = {"oro": (226, 186, 84), "copa": (120, 70, 34),
        "espada": (70, 46, 30), "basto": (168, 96, 40)}
BARBA = {"oro": (236, 236, 230), "copa": (128, 78, 40),
         "espada": (190, 190, 196), "basto": (84, 56, 34)}
CABALLOS = {"oro": ((244, 240, 230), (200, 190, 170)), "copa": ((146, 92, 52), (70, 44, 26)),
            "espada": ((176, 178, 186), (84, 84, 92)), "basto": ((196, 126, 62), (110, 60, 28))}
ZAPATO = (66, 44, 30)
SUELO = (232, 222, 196)

# How high along each symbol the hand holds it (0 = top, 1 = bottom).
AGARRE = {"espada": 0.845, "basto": 0.86, "oro": 0.5, "copa": 0.9}


def empunar(L, palo, mano, alto, angulo=0.0):
    """Draws the suit symbol so that its grip falls on `mano`; `angulo` is
    a clockwise lean in degrees."""
    dibujo, caja = palos.DIBUJOS[palo]
    d = (AGARRE[palo] - 0.5) * alto
    a = math.radians(angulo)
    cx, cy = mano[0] + d * math.sin(a), mano[1] - d * math.cos(a)
    if palo == "oro":
        cy = mano[1] - alto * 0.42  # a coin sits on top of the hand
    L.simbolo(dibujo, caja, cx, cy, alto, -angulo)


def brazo(L, puntos, manga):
    """Sleeve from shoulder to wrist, ending in the hand."""
    L.trazo(puntos, manga, 6.0)
    L.circulo(*puntos[-1], 3.3, PIEL)


def armino(L, puntos):
    """White fur band with the black ermine tails."""
    L.poli(puntos, BLANCO)
    xs, ys = [p[0] for p in puntos], [p[1] for p in puntos]
    for i, y in enumerate(range(int(min(ys)) + 2, int(max(ys)) - 1, 5)):
        for x in range(int(min(xs)) + 2 + (i % 2) * 3, int(max(xs)) - 1, 6):
            L.poli([(x, y), (x + 0.9, y + 2.2), (x - 0.9, y + 2.2)], TINTA, None)


def cara(L, cx, cy, pelo, barba=None, rx=8.0, ry=9.5):
    L.elipse(cx, cy, rx, ry, PIEL)
    for s in (-1, 1):
        L.circulo(cx + s * 3, cy - 0.5, 0.95, TINTA, None)
        L.linea([(cx + s * 1.6, cy - 3.2), (cx + s * 4.4, cy - 3.4)], pelo, 0.9)
        L.circulo(cx + s * 4.3, cy + 3.2, 1.5, (244, 176, 164), None)
    L.linea([(cx, cy), (cx - 0.8, cy + 3.2), (cx + 0.5, cy + 3.5)], (170, 110, 90), 0.7)
    if barba:
        L.poli(arco(cx, cy + 3, rx - 0.5, ry + 2, 180, 0, 16)
               + [(cx + rx - 0.5, cy + 1), (cx + 4, cy + 4.5), (cx - 4, cy + 4.5)], barba)
        bigote = bezier((cx - 5.5, cy + 6), (cx - 3, cy + 3.2), (cx + 3, cy + 3.2),
                        (cx + 5.5, cy + 6), 8)
        L.poli(bigote + [(cx, cy + 5)], barba, TINTA, 0.8)
    else:
        L.linea([(cx - 1.8, cy + 6), (cx + 1.8, cy + 6)], (190, 60, 60), 0.9)


def silueta(L, color, elipses, polis, grosor=1.1):
    """Fills several overlapping shapes with one outline around the union."""
    g = grosor * S / L.k
    for cx, cy, rx, ry in elipses:
        L.elipse(cx, cy, rx + g, ry + g, TINTA, None)
    for pts in polis:
        L.poli(pts, TINTA, TINTA, grosor * 2)
    for cx, cy, rx, ry in elipses:
        L.elipse(cx, cy, rx, ry, color, None)
    for pts in polis:
        L.poli(pts, color, None)


def sombra(L, cx, cy, rx):
    L.elipse(cx, cy, rx, 3.2, SUELO, None)


# ------------------------------------------------------------------ sota

def sota(L, palo):
    prin, sec, acento = ROPA[palo]
    pelo = PELO[palo]
    sombra(L, 50, 137, 24)
    L.poli([(37, 40), (63, 40), (73, 104), (62, 108), (50, 105), (38, 108), (27, 104)], sec)
    for x0, x1 in ((45, 44.5), (55, 55.5)):
        L.trazo([(x0, 96), (x1, 132)], acento, 6.5)
        L.elipse(x1 + (x1 - 50) * 0.25, 135.2, 6, 3, ZAPATO)
    tunica = [(39, 39), (61, 39), (65, 48), (62, 70), (70, 99), (30, 99), (38, 70), (35, 48)]
    L.poli(tunica, prin)
    L.poli([(47.5, 40), (52.5, 40), (53, 99), (47, 99)], ORO, TINTA, 0.8)
    L.poli([(31.2, 94), (68.8, 94), (70, 99), (30, 99)], ORO, TINTA, 0.8)
    L.rect(37.5, 68.5, 62.5, 72.5, ZAPATO, TINTA, 0.8)
    L.rect(47.5, 67.8, 52.5, 73.2, ORO, TINTA, 0.8, 0.8)
    # Page-boy haircut behind the face.
    L.elipse(50, 24, 10.5, 11, pelo)
    L.rect(39.5, 23, 60.5, 36, pelo, TINTA, 1.1, 3)
    L.rect(46.5, 31, 53.5, 40, PIEL)
    L.elipse(50, 40, 10, 3.3, BLANCO)
    cara(L, 50, 25.5, pelo)
    L.poli(arco(50, 24.6, 8.7, 9.8, 188, 352, 16)
           + [(57, 21), (53.5, 19.6), (50, 21.5), (46.5, 19.6), (43, 21)], pelo)
    # Beret with a feather
    L.poli(bezier((56, 14), (62, 6), (70, 2), (76, 4), 10)
           + bezier((74, 8), (68, 7), (62, 11), (58, 16), 10), BLANCO, TINTA, 0.9)
    L.elipse(50, 15, 12, 4.2, sec)
    L.circulo(57, 14.5, 1.8, acento)
    manga = prin if palo == "basto" else sec
    brazo(L, [(38.5, 43), (32, 56), (38.5, 67.5)], manga)
    if palo == "oro":
        empunar(L, palo, (70.5, 40), 21)
        brazo(L, [(61.5, 43), (71, 52), (70.5, 40)], manga)
    elif palo == "copa":
        empunar(L, palo, (70, 59), 24)
        brazo(L, [(61.5, 43), (70, 66), (70, 59)], manga)
    else:
        empunar(L, palo, (72, 72), 72 if palo == "espada" else 78)
        brazo(L, [(61.5, 43), (70.5, 58), (72, 72)], manga)


# ------------------------------------------------------------------- rey

def corona(L, cx, y):
    L.poli([(cx - 9.5, y + 8), (cx - 10.5, y), (cx - 5.5, y + 4), (cx, y - 2),
            (cx + 5.5, y + 4), (cx + 10.5, y), (cx + 9.5, y + 8)], ORO)
    for x in (-10.5, 0, 10.5):
        L.circulo(cx + x, y - (2 if x == 0 else 0) - 1.4, 1.6, ORO_CLARO)
    L.rect(cx - 10, y + 5.5, cx + 10, y + 10, ORO_OSCURO, TINTA, 0.9)
    for x, col in ((-5.5, palos.ROJO), (0, palos.AZUL_GEMA), (5.5, palos.ROJO)):
        L.circulo(cx + x, y + 7.7, 1.3, col, None)


def rey(L, palo):
    prin, sec, acento = ROPA[palo]
    sombra(L, 50, 136, 28)
    L.poli([(36, 41), (64, 41), (81, 132), (66, 136), (34, 136), (19, 132)], sec)
    L.elipse(43, 135.5, 5.5, 2.8, ZAPATO)
    L.elipse(57, 135.5, 5.5, 2.8, ZAPATO)
    L.poli([(38, 41), (62, 41), (67, 52), (72, 133), (28, 133), (33, 52)], prin)
    armino(L, [(45.5, 44), (54.5, 44), (55, 133), (45, 133)])
    armino(L, [(28.6, 127), (71.4, 127), (72, 133), (28, 133)])
    L.rect(33.5, 75, 66.5, 79.5, ORO, TINTA, 0.9)
    L.elipse(50, 25, 10, 10.5, BARBA[palo])
    L.rect(46.5, 32, 53.5, 42, PIEL)
    armino(L, arco(50, 43, 15, 5, 0, 360, 24))
    cara(L, 50, 26, BARBA[palo], barba=BARBA[palo])
    corona(L, 50, 9)
    brazo(L, [(37, 46), (31, 62), (38, 77)], prin)
    if palo == "oro":
        empunar(L, palo, (70.5, 38), 21)
        brazo(L, [(63, 46), (72, 54), (70.5, 38)], prin)
    elif palo == "copa":
        empunar(L, palo, (71, 58), 25)
        brazo(L, [(63, 46), (71, 66), (71, 58)], prin)
    else:
        empunar(L, palo, (72, 73), 76 if palo == "espada" else 80)
        brazo(L, [(63, 46), (70.5, 60), (72, 73)], prin)


# --------------------------------------------------------------- caballo

def caballo(L, palo):
    prin, sec, acento = ROPA[palo]
    piel, crin = CABALLOS[palo]
    sombra(L, 52, 136, 34)
    # Far legs are darker so the four legs read apart.
    lejos = tuple(round(c * 0.82) for c in piel)
    for pata in ([(77, 100), (83, 117), (80, 131)], [(42, 106), (44, 120), (43, 131)]):
        L.trazo(pata, lejos, 5.2)
        L.trazo([pata[-1], (pata[-1][0], pata[-1][1] + 3)], ZAPATO, 5.6)
    L.trazo(bezier((80, 92), (90, 96), (83, 110), (87, 121), 12), crin, 5)
    cuello = [(31, 104), (26, 90), (22, 74), (25, 64), (31, 60), (37, 66), (42, 76),
              (49, 87), (44, 100)]
    cabeza = [(27, 58), (32, 61), (30, 68), (23, 76), (16, 83), (11, 84.5), (8, 81), (9, 76),
              (16, 68), (22, 61)]
    oreja = [(26, 60), (27.5, 51), (31, 59)]
    silueta(L, piel, [(56, 98, 26, 14)], [cuello, cabeza, oreja])
    L.linea([(24, 72), (28, 66), (30, 62)], crin, 0.9)
    for pata in ([(70, 104), (73, 119), (70, 131)], [(35, 104), (28, 114), (32, 123)]):
        L.trazo(pata, piel, 5.4)
        a, b = pata[-1], pata[-2]
        L.trazo([a, (a[0] + (a[0] - b[0]) * 0.3, a[1] + (a[1] - b[1]) * 0.3)], ZAPATO, 5.8)
    # Mane along the top of the neck
    melena = [(30, 57), (37, 64), (43, 74), (50, 86)]
    L.poli(melena + [(54, 84), (49, 79), (50, 75), (45, 70), (46, 66), (40, 62), (40, 58),
                     (34, 56)], crin)
    L.circulo(21, 66, 1.3, TINTA, None)
    L.circulo(10.5, 79.5, 0.9, TINTA, None)
    L.linea([(11, 77), (17, 81), (23, 68), (27, 61)], ZAPATO, 1.0)
    # Saddle cloth and saddle
    L.poli([(46, 84), (70, 84), (72, 108), (65, 111), (58, 108), (51, 111), (44, 108)], sec)
    L.linea([(45, 107), (72, 107)], ORO, 1.3)
    L.poli([(48, 80), (68, 80), (66, 88), (50, 88)], ZAPATO)
    # Rider
    L.poli([(50, 53), (64, 53), (66, 82), (50, 82)], prin)
    L.poli([(56, 53), (58, 53), (58, 82), (56, 82)], ORO, TINTA, 0.7)
    L.rect(49.5, 72, 66.5, 75.5, ZAPATO, TINTA, 0.8)
    L.trazo([(57, 80), (47, 92), (49, 104)], acento, 7)
    L.trazo([(49, 101), (49.5, 108), (45, 109)], ZAPATO, 6.5)
    L.elipse(57, 39, 9, 9.5, PELO[palo])
    L.rect(54, 44, 60, 54, PIEL)
    L.elipse(57, 53.5, 8.5, 2.8, BLANCO)
    cara(L, 57, 40, PELO[palo], rx=7.5, ry=9)
    L.poli([(50, 33), (64, 33), (62.5, 23), (51.5, 23)], sec)
    L.elipse(57, 33, 12, 3, sec)
    L.poli(bezier((62, 26), (68, 18), (74, 16), (78, 19), 8)
           + bezier((75, 21), (70, 21), (66, 25), (63, 30), 8), BLANCO, TINTA, 0.8)
    L.linea([(18, 74), (44, 73)], ZAPATO, 1.0)
    brazo(L, [(51, 57), (45, 67), (44, 73)], prin)
    if palo == "oro":
        empunar(L, palo, (74, 42), 19)
        brazo(L, [(63, 57), (73, 55), (74, 42)], prin)
    elif palo == "copa":
        empunar(L, palo, (75, 57), 22)
        brazo(L, [(63, 57), (72, 66), (75, 57)], prin)
    else:
        empunar(L, palo, (71, 62), 66 if palo == "espada" else 66, 18)
        brazo(L, [(63, 57), (71, 66), (71, 62)], prin)


FIGURAS = {10: sota, 11: caballo, 12: rey}


def figura(L, numero, palo):
    # Figures are laid out on a 100 x 150 unit box inside the frame.
    sub = Lienzo(L.img, 1.9 * S, 25 * S, 17 * S)
    FIGURAS[numero](sub, palo)
