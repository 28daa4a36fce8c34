"""Card back: a blue lattice with a red border and a central medallion."""
from PIL import Image, ImageDraw

import cartas_palos as palos
from cartas_lienzo import CREMA, ORO, ORO_OSCURO, S, TINTA, Lienzo, estrella

AZUL = (32, 60, 138)
AZUL_CLARO = (116, 150, 214)
ROJO = (186, 34, 40)
BORDE = (52, 46, 50)


def _trama(w, h):
    """Diamond lattice with small flowers, to be clipped to the field."""
    capa = Image.new("RGBA", (w * S, h * S), AZUL)
    L = Lienzo(capa, S)
    paso = 20
    for i in range(-h // paso - 1, w // paso + h // paso + 2):
        x = i * paso
        L.linea([(x, 0), (x + h, h)], AZUL_CLARO, 1.1)
        L.linea([(x, 0), (x - h, h)], AZUL_CLARO, 1.1)
    for fila in range(-1, h // (paso // 2) + 2):
        y = fila * paso / 2
        for col in range(-1, w // paso + 2):
            x = col * paso + (paso / 2 if fila % 2 else 0)
            # Flowers sit in the centres of the diamonds.
            L.poli(estrella(x, y + paso / 2, 4.2, 1.4, 4, 0), ORO, None)
            L.circulo(x, y + paso / 2, 1.2, ROJO, None)
    return capa


def dibujar_dorso(w, h, radio):
    img = Image.new("RGBA", (w * S, h * S), (0, 0, 0, 0))
    L = Lienzo(img, S)
    L.rect(0, 0, w - 0.25, h - 0.25, CREMA, BORDE, 2.0, radio)
    L.rect(8, 8, w - 8, h - 8, ROJO, TINTA, 1.2, radio - 6)
    L.rect(13, 13, w - 13, h - 13, ORO, None, 0, radio - 9)
    # Only the inner field shows the lattice.
    mascara = Image.new("L", img.size, 0)
    ImageDraw.Draw(mascara).rounded_rectangle(
        (15 * S, 15 * S, (w - 15) * S, (h - 15) * S), radius=(radio - 10) * S, fill=255)
    img.paste(_trama(w, h), (0, 0), mascara)
    cx, cy = w / 2, h / 2
    L.elipse(cx, cy, 58, 78, ROJO, TINTA, 1.2)
    L.elipse(cx, cy, 53, 73, ORO, None)
    L.elipse(cx, cy, 49, 69, CREMA, ORO_OSCURO, 1.0)
    L.poli(estrella(cx, cy, 24, 9, 8), (214, 92, 30), TINTA, 0.9)
    L.circulo(cx, cy, 7, AZUL, TINTA, 0.9)
    for (dx, dy), palo, alto in (((0, -44), "espada", 44), ((0, 46), "basto", 40),
                                 ((-32, 0), "oro", 24), ((32, 0), "copa", 26)):
        dibujo, caja = palos.DIBUJOS[palo]
        L.simbolo(dibujo, caja, cx + dx, cy + dy, alto)
    for sx in (-1, 1):
        for sy in (-1, 1):
            x, y = cx + sx * (w / 2 - 30), cy + sy * (h / 2 - 30)
            L.circulo(x, y, 9, CREMA, ORO_OSCURO, 1.0)
            L.poli(estrella(x, y, 8, 3, 4), ROJO, TINTA, 0.8)
            L.circulo(x, y, 2, ORO, None)
    return _a_gif(img.resize((w, h), Image.Resampling.LANCZOS))


def _a_gif(img):
    """Palette image; the rounded corners become the transparent colour."""
    alfa = img.getchannel("A")
    fondo = Image.new("RGBA", img.size, (*BORDE, 255))
    plano = Image.alpha_composite(fondo, img).convert("RGB")
    p = plano.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    paleta = p.getpalette()[:255 * 3]
    p.putpalette(paleta + [0] * (768 - len(paleta)))
    p.paste(255, mask=alfa.point(lambda a: 255 if a < 128 else 0))
    p.info["transparency"] = 255
    return p
