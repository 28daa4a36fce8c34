"""Shared drawing helpers: a supersampled canvas with local units."""
import math

from PIL import Image, ImageDraw

# Everything is drawn this many times larger and reduced at the end,
# which gives smooth anti-aliased edges with plain ImageDraw calls.
S = 4

TINTA = (38, 32, 36, 255)
CREMA = (253, 250, 240, 255)
ORO = (232, 180, 44, 255)
ORO_OSCURO = (176, 118, 20, 255)
ORO_CLARO = (250, 216, 104, 255)
PIEL = (246, 212, 174, 255)
BLANCO = (255, 255, 255, 255)


def rgba(c):
    return c if len(c) == 4 else (*c, 255)


def bezier(p0, p1, p2, p3, n=14):
    """Cubic curve as a point list (endpoints included)."""
    out = []
    for i in range(n + 1):
        t = i / n
        a, b, c, d = (1 - t) ** 3, 3 * t * (1 - t) ** 2, 3 * t * t * (1 - t), t ** 3
        out.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                    a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return out


def arco(cx, cy, rx, ry, a0, a1, n=24):
    """Elliptic arc from angle a0 to a1 (degrees, y grows downwards)."""
    return [(cx + rx * math.cos(math.radians(a0 + (a1 - a0) * i / n)),
             cy + ry * math.sin(math.radians(a0 + (a1 - a0) * i / n)))
            for i in range(n + 1)]


def estrella(cx, cy, r_ext, r_int, puntas, giro=-90.0):
    pts = []
    for i in range(puntas * 2):
        r = r_ext if i % 2 == 0 else r_int
        a = math.radians(giro + i * 180.0 / puntas)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


class Lienzo:
    """Maps local units to the supersampled pixels of an RGBA image.

    Line widths are given in final (reduced) pixels so outlines keep the
    same weight whatever the size of the drawn object.
    """

    def __init__(self, img, k, ox=0.0, oy=0.0):
        self.img = img
        self.d = ImageDraw.Draw(img)
        self.k = k
        self.ox, self.oy = ox, oy

    def pt(self, x, y):
        return (self.ox + x * self.k, self.oy + y * self.k)

    def pts(self, seq):
        return [self.pt(x, y) for x, y in seq]

    @staticmethod
    def px(g):
        return max(1, round(g * S))

    def poli(self, puntos, relleno, borde=TINTA, grosor=1.1):
        p = self.pts(puntos)
        if relleno is not None:
            self.d.polygon(p, fill=rgba(relleno))
        if borde is not None:
            self.d.line(p + [p[0]], fill=rgba(borde), width=self.px(grosor), joint="curve")

    def linea(self, puntos, color=TINTA, grosor=1.0):
        self.d.line(self.pts(puntos), fill=rgba(color), width=self.px(grosor), joint="curve")

    def elipse(self, cx, cy, rx, ry, relleno, borde=TINTA, grosor=1.1):
        x0, y0 = self.pt(cx - rx, cy - ry)
        x1, y1 = self.pt(cx + rx, cy + ry)
        self.d.ellipse((x0, y0, x1, y1), fill=rgba(relleno) if relleno else None,
                       outline=rgba(borde) if borde else None,
                       width=self.px(grosor) if borde else 0)

    def circulo(self, cx, cy, r, relleno, borde=TINTA, grosor=1.1):
        self.elipse(cx, cy, r, r, relleno, borde, grosor)

    def rect(self, x0, y0, x1, y1, relleno, borde=TINTA, grosor=1.1, radio=0.0):
        a, b = self.pt(x0, y0)
        c, e = self.pt(x1, y1)
        self.d.rounded_rectangle((a, b, c, e), radius=radio * self.k,
                                 fill=rgba(relleno), outline=rgba(borde) if borde else None,
                                 width=self.px(grosor) if borde else 0)

    def trazo(self, puntos, color, ancho, borde=TINTA, grosor=1.1):
        """Thick rounded stroke (limbs, staffs) with an outline around it."""
        p = self.pts(puntos)
        w = ancho * self.k
        for col, ww in ((borde, w + 2 * grosor * S), (color, w)):
            if col is None:
                continue
            self.d.line(p, fill=rgba(col), width=max(1, round(ww)), joint="curve")
            r = ww / 2
            for x, y in (p[0], p[-1]):
                self.d.ellipse((x - r, y - r, x + r, y + r), fill=rgba(col))

    def simbolo(self, dibujo, caja, x, y, alto, angulo=0.0, **kw):
        """Draws a suit symbol centred at local (x, y), `alto` units tall."""
        cx, cy = self.pt(x, y)
        estampar(self.img, dibujo, caja, cx, cy, alto * self.k, angulo, **kw)


def estampar(base, dibujo, caja, cx, cy, alto, angulo=0.0, **kw):
    """Renders `dibujo` on its own layer (so it can be rotated) and
    composites it on `base` centred at supersampled pixel (cx, cy)."""
    uw, uh = caja
    k = alto / uh
    pad = 3 * S
    capa = Image.new("RGBA", (math.ceil(uw * k + 2 * pad), math.ceil(uh * k + 2 * pad)))
    dibujo(Lienzo(capa, k, pad, pad), **kw)
    if angulo:
        capa = capa.rotate(angulo, resample=Image.Resampling.BICUBIC, expand=True)
    x, y = round(cx - capa.width / 2), round(cy - capa.height / 2)
    # Clip to the base so partially outside layers are still allowed.
    x0, y0 = max(x, 0), max(y, 0)
    x1, y1 = min(x + capa.width, base.width), min(y + capa.height, base.height)
    if x1 > x0 and y1 > y0:
        trozo = capa.crop((x0 - x, y0 - y, x1 - x, y1 - y))
        base.alpha_composite(trozo, (x0, y0))
