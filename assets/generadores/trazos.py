"""Shared drawing helpers: smooth strokes, gradients, Spanish suits and small cards.

Everything is drawn large and downscaled by the callers, so plain Pillow
primitives come out anti-aliased.
"""
from PIL import Image, ImageDraw, ImageFont

FUENTES = "/usr/share/fonts/truetype/dejavu/"


def fuente(tam, negrita=True):
    nombre = "DejaVuSans-Bold.ttf" if negrita else "DejaVuSans.ttf"
    return ImageFont.truetype(FUENTES + nombre, int(tam))


def mezcla(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def bezier(puntos, n=40):
    """Points along a quadratic or cubic Bezier curve."""
    res = []
    for i in range(n + 1):
        t = i / n
        pts = list(puntos)
        while len(pts) > 1:
            pts = [(p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)
                   for p, q in zip(pts, pts[1:])]
        res.append(pts[0])
    return res


def trazo(d, pts, color, ancho):
    """Polyline with round joints and round caps."""
    pts = [(float(x), float(y)) for x, y in pts]
    d.line(pts, fill=color, width=int(ancho), joint="curve")
    r = ancho / 2
    for x, y in (pts[0], pts[-1]):
        d.ellipse((x - r, y - r, x + r, y + r), fill=color)


def elipse_degradada(img, caja, centro, borde, pasos=80, foco=(0.38, 0.32)):
    """Ellipse shaded from `centro` colour at the focus to `borde` at the rim."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = caja
    fx = x0 + (x1 - x0) * foco[0]
    fy = y0 + (y1 - y0) * foco[1]
    for i in range(pasos):
        t = i / (pasos - 1)          # 0 = rim, 1 = focus
        k = 1 - t
        cx = fx + ((x0 + x1) / 2 - fx) * k
        cy = fy + ((y0 + y1) / 2 - fy) * k
        rx = (x1 - x0) / 2 * k
        ry = (y1 - y0) / 2 * k
        if rx < 0.5 or ry < 0.5:
            break
        d.ellipse((cx - rx, cy - ry, cx + rx, cy + ry), fill=mezcla(borde, centro, t ** 0.8))


def degradado_vertical(tam, arriba, abajo):
    img = Image.new("RGB", tam, arriba)
    d = ImageDraw.Draw(img)
    w, h = tam
    for y in range(h):
        d.line((0, y, w, y), fill=mezcla(arriba, abajo, y / max(1, h - 1)))
    return img


def texto_centrado(d, cx, cy, texto, fnt, relleno, contorno=None, grosor=0):
    caja = d.textbbox((0, 0), texto, font=fnt, stroke_width=grosor)
    w, h = caja[2] - caja[0], caja[3] - caja[1]
    d.text((cx - w / 2 - caja[0], cy - h / 2 - caja[1]), texto, font=fnt, fill=relleno,
           stroke_width=grosor, stroke_fill=contorno)


# ---------------------------------------------------------------- suits

ORO = (240, 180, 20)
ORO_OSCURO = (170, 105, 0)
ROJO = (200, 30, 40)
AZUL_HOJA = (150, 170, 190)
MADERA = (150, 90, 40)
MADERA_OSCURA = (95, 50, 20)
VERDE = (40, 140, 60)
TINTA = (40, 30, 20)


def palo(d, tipo, cx, cy, h):
    """Draw a Spanish suit symbol ('E', 'B', 'O', 'C') of height h centred at (cx, cy)."""
    s = h / 100.0
    lw = max(1, int(3 * s))
    if tipo == "O":
        r = 42 * s
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=ORO, outline=ORO_OSCURO, width=lw * 2)
        r2 = 28 * s
        d.ellipse((cx - r2, cy - r2, cx + r2, cy + r2), outline=ORO_OSCURO, width=lw)
        r3 = 9 * s
        d.ellipse((cx - r3, cy - r3, cx + r3, cy + r3), fill=ROJO, outline=ORO_OSCURO, width=lw)
    elif tipo == "C":
        # bowl
        d.chord((cx - 34 * s, cy - 58 * s, cx + 34 * s, cy + 10 * s), 0, 180,
                fill=ROJO, outline=TINTA, width=lw)
        d.rectangle((cx - 34 * s, cy - 30 * s, cx + 34 * s, cy - 22 * s), fill=ORO, outline=TINTA, width=lw)
        # stem and foot
        d.rectangle((cx - 6 * s, cy + 8 * s, cx + 6 * s, cy + 34 * s), fill=ORO, outline=TINTA, width=lw)
        d.ellipse((cx - 12 * s, cy + 14 * s, cx + 12 * s, cy + 24 * s), fill=ORO, outline=TINTA, width=lw)
        d.pieslice((cx - 28 * s, cy + 30 * s, cx + 28 * s, cy + 62 * s), 180, 360,
                   fill=ROJO, outline=TINTA, width=lw)
    elif tipo == "E":
        # blade pointing up
        d.polygon([(cx, cy - 50 * s), (cx + 8 * s, cy - 38 * s), (cx + 7 * s, cy + 18 * s),
                   (cx - 7 * s, cy + 18 * s), (cx - 8 * s, cy - 38 * s)],
                  fill=AZUL_HOJA, outline=TINTA, width=lw)
        d.line((cx, cy - 42 * s, cx, cy + 16 * s), fill=(235, 240, 250), width=lw)
        # guard, grip and pommel
        d.rounded_rectangle((cx - 24 * s, cy + 16 * s, cx + 24 * s, cy + 25 * s), radius=4 * s,
                            fill=ORO, outline=TINTA, width=lw)
        d.rectangle((cx - 5 * s, cy + 25 * s, cx + 5 * s, cy + 42 * s), fill=ROJO, outline=TINTA, width=lw)
        d.ellipse((cx - 9 * s, cy + 40 * s, cx + 9 * s, cy + 54 * s), fill=ORO, outline=TINTA, width=lw)
    elif tipo == "B":
        # knobbly club, thick at the top
        d.polygon([(cx - 8 * s, cy + 50 * s), (cx + 8 * s, cy + 50 * s), (cx + 17 * s, cy - 40 * s),
                   (cx - 15 * s, cy - 40 * s)], fill=MADERA, outline=MADERA_OSCURA)
        d.ellipse((cx - 17 * s, cy - 54 * s, cx + 18 * s, cy - 26 * s), fill=MADERA, outline=MADERA_OSCURA, width=lw)
        for kx, ky, kr in ((-12, -8, 6), (13, 6, 6), (-9, 24, 5), (8, -28, 5)):
            d.ellipse((cx + (kx - kr) * s, cy + (ky - kr) * s, cx + (kx + kr) * s, cy + (ky + kr) * s),
                      fill=MADERA_OSCURA)
        d.line((cx - 3 * s, cy - 36 * s, cx + 2 * s, cy + 44 * s), fill=(190, 130, 70), width=lw * 2)
        # a sprouting leaf
        d.ellipse((cx + 14 * s, cy - 52 * s, cx + 34 * s, cy - 40 * s), fill=VERDE, outline=TINTA, width=max(1, lw // 2))


def carta(ancho, numero, tipo, fondo=(252, 248, 236), angulo=0):
    """A small Spanish card face as an RGBA image (transparent corners), optionally rotated."""
    alto = int(ancho * 1.55)
    img = Image.new("RGBA", (ancho, alto), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    r = ancho * 0.09
    borde = max(2, ancho // 40)
    d.rounded_rectangle((0, 0, ancho - 1, alto - 1), radius=r, fill=fondo, outline=(60, 50, 40), width=borde)
    color_palo = {"O": ORO_OSCURO, "C": ROJO, "E": (40, 80, 160), "B": (30, 120, 50)}[tipo]
    m = ancho * 0.07
    d.rounded_rectangle((m, m, ancho - 1 - m, alto - 1 - m), radius=r * 0.6, outline=color_palo,
                        width=max(1, borde // 2 + 1))
    fnt = fuente(ancho * 0.2)
    d.text((m * 1.6, m * 1.2), str(numero), font=fnt, fill=color_palo)
    caja = d.textbbox((0, 0), str(numero), font=fnt)
    d.text((ancho - m * 1.6 - (caja[2] - caja[0]) - caja[0], alto - m * 1.2 - caja[3]), str(numero),
           font=fnt, fill=color_palo)
    if numero == 1 or numero >= 10:
        palo(d, tipo, ancho / 2, alto / 2, alto * 0.62)
    else:
        palo(d, tipo, ancho / 2, alto / 2, alto * 0.42)
    if angulo:
        img = img.rotate(angulo, resample=Image.Resampling.BICUBIC, expand=True)
    return img


def sombra(img, desplazamiento=(6, 8), opacidad=90, radio=6):
    """A soft drop shadow image the size of img plus the offset."""
    from PIL import ImageFilter
    alfa = img.getchannel("A").point(lambda a: a * opacidad // 255)
    s = Image.new("RGBA", img.size, (0, 0, 0, 0))
    s.putalpha(alfa)
    return s.filter(ImageFilter.GaussianBlur(radio)), desplazamiento
