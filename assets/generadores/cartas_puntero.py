"""Hand pointer: index finger up, white with a black outline."""
from PIL import Image, ImageDraw

NEGRO = (0, 0, 0, 255)
BLANCO = (255, 255, 255, 255)
# Shapes on a 32 pixel grid (whole numbers keep the 32 px size crisp);
# the fingertip, the hot spot, is at about (10, 0).
DEDOS = [  # (x0, y0, x1, y1, radius): index, then the folded fingers
    (8, 1, 13, 18, 2.5),
    (13, 10, 17, 20, 2),
    (17, 11, 21, 21, 2),
    (21, 13, 25, 22, 2),
]
PALMA = (8, 15, 25, 27, 3)
PUNO = (9, 27, 24, 31, 1)
PULGAR = [(11, 22), (7, 19), (4.5, 15.5)]

# At 16 px smooth shapes turn grey, so that size is drawn pixel by pixel.
MANO_16 = [
    "...BB",
    "..BWWB",
    "..BWWB",
    "..BWWB",
    "..BWWBBB",
    "..BWWBWWBBB",
    "..BWWBWWBWWBB",
    "BBBWWBWWBWWBWB",
    "BWWBWWWWWWWWWB",
    "BWWWWWWWWWWWWB",
    ".BWWWWWWWWWWWB",
    "..BWWWWWWWWWWB",
    "..BWWWWWWWWWB",
    "...BBBBBBBBBB",
    "...BWWWWWWWWB",
    "...BBBBBBBBBB",
]


def _mano(n, contorno):
    sub = 8
    k = n * sub / 32
    img = Image.new("RGBA", (n * sub, n * sub), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    pulgar = [(x * k, y * k) for x, y in PULGAR]

    def formas(color, g):
        for x0, y0, x1, y1, r in DEDOS + [PALMA, PUNO]:
            d.rounded_rectangle(((x0 - g) * k, (y0 - g) * k, (x1 + g) * k - 1, (y1 + g) * k - 1),
                                radius=(r + g) * k, fill=color)
        ancho = (4.6 + 2 * g) * k
        d.line(pulgar, fill=color, width=round(ancho), joint="curve")
        for x, y in (pulgar[0], pulgar[-1]):
            d.ellipse((x - ancho / 2, y - ancho / 2, x + ancho / 2, y + ancho / 2), fill=color)

    # Black silhouette grown by the outline width, white shape on top:
    # the union of the parts gets a single clean outline.
    formas(NEGRO, contorno)
    formas(BLANCO, 0)
    w = round(contorno * k)
    for x0, y0, x1, y1, r in DEDOS[1:]:
        x = (x0 + 0.5) * k
        d.line(((x, (y0 + 1) * k), (x, (y1 - 0.5) * k)), fill=NEGRO, width=w)
    d.line(((9 * k, 27.5 * k), (24 * k, 27.5 * k)), fill=NEGRO, width=w)
    d.arc((5 * k, 14 * k, 13 * k, 25 * k), 20, 120, fill=NEGRO, width=w)
    return img.resize((n, n), Image.Resampling.LANCZOS)


def _mano_16():
    img = Image.new("RGBA", (16, 16), (0, 0, 0, 0))
    colores = {"B": NEGRO, "W": BLANCO}
    for y, fila in enumerate(MANO_16):
        for x, c in enumerate(fila):
            if c in colores:
                img.putpixel((x, y), colores[c])
    return img


def dibujar_puntero():
    """Largest size first: the ICO writer takes the others as extra frames."""
    return [_mano(48, 1.0), _mano_16(), _mano(32, 1.0)]
