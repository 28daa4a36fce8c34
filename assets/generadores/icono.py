#!/usr/bin/env python3
"""Application icon: the two best truco cards (1 of espada over 1 of basto), fanned.

Usage: icono.py OUTPUT_DIR   (writes naipalia.png 256x256, naipalia-N.png for the smaller
sizes a desktop's icon theme wants, and naipalia.svg)
"""
import sys

from PIL import Image

import trazos

R = 1024
ANCHO = 470
# Rendered from the full drawing at each size, so small icons stay sharp.
TAMANOS = (48, 64, 128)
# (number, suit, rotation in degrees, centre) for the back card and the front card
CARTAS = [(1, "B", 15, (372, 508)), (1, "E", -13, (640, 522))]


def png(destino):
    lienzo = Image.new("RGBA", (R, R), (0, 0, 0, 0))
    for numero, palo, angulo, (cx, cy) in CARTAS:
        carta = trazos.carta(ANCHO, numero, palo, angulo=angulo)
        x, y = cx - carta.width // 2, cy - carta.height // 2
        sombra, (dx, dy) = trazos.sombra(carta, (14, 18), 110, 16)
        lienzo.alpha_composite(sombra, (x + dx, y + dy))
        lienzo.alpha_composite(carta, (x, y))
    lienzo.resize((256, 256), Image.Resampling.LANCZOS).save(f"{destino}/naipalia.png", optimize=True)
    for lado in TAMANOS:
        lienzo.resize((lado, lado), Image.Resampling.LANCZOS).save(f"{destino}/naipalia-{lado}.png", optimize=True)


# ---------------------------------------------------------------- SVG twin of the same drawing

def rgb(c):
    return "#%02x%02x%02x" % c


def palo_svg(tipo, h):
    """The suit symbol at the origin, same geometry as trazos.palo (unit: h/100)."""
    s = h / 100.0
    t = rgb(trazos.TINTA)

    def pts(lista):
        return " ".join(f"{x * s:.1f},{y * s:.1f}" for x, y in lista)

    if tipo == "E":
        return (f'<polygon points="{pts([(0, -50), (8, -38), (7, 18), (-7, 18), (-8, -38)])}" '
                f'fill="{rgb(trazos.AZUL_HOJA)}" stroke="{t}" stroke-width="{3 * s:.1f}"/>'
                f'<line x1="0" y1="{-42 * s:.1f}" x2="0" y2="{16 * s:.1f}" stroke="#ebf0fa" stroke-width="{3 * s:.1f}"/>'
                f'<rect x="{-24 * s:.1f}" y="{16 * s:.1f}" width="{48 * s:.1f}" height="{9 * s:.1f}" rx="{4 * s:.1f}" '
                f'fill="{rgb(trazos.ORO)}" stroke="{t}" stroke-width="{3 * s:.1f}"/>'
                f'<rect x="{-5 * s:.1f}" y="{25 * s:.1f}" width="{10 * s:.1f}" height="{17 * s:.1f}" '
                f'fill="{rgb(trazos.ROJO)}" stroke="{t}" stroke-width="{3 * s:.1f}"/>'
                f'<ellipse cx="0" cy="{47 * s:.1f}" rx="{9 * s:.1f}" ry="{7 * s:.1f}" '
                f'fill="{rgb(trazos.ORO)}" stroke="{t}" stroke-width="{3 * s:.1f}"/>')
    nudos = "".join(f'<circle cx="{kx * s:.1f}" cy="{ky * s:.1f}" r="{kr * s:.1f}" fill="{rgb(trazos.MADERA_OSCURA)}"/>'
                    for kx, ky, kr in ((-12, -8, 6), (13, 6, 6), (-9, 24, 5), (8, -28, 5)))
    return (f'<polygon points="{pts([(-8, 50), (8, 50), (17, -40), (-15, -40)])}" fill="{rgb(trazos.MADERA)}" '
            f'stroke="{rgb(trazos.MADERA_OSCURA)}"/>'
            f'<ellipse cx="{0.5 * s:.1f}" cy="{-40 * s:.1f}" rx="{17.5 * s:.1f}" ry="{14 * s:.1f}" '
            f'fill="{rgb(trazos.MADERA)}" stroke="{rgb(trazos.MADERA_OSCURA)}" stroke-width="{3 * s:.1f}"/>' + nudos +
            f'<line x1="{-3 * s:.1f}" y1="{-36 * s:.1f}" x2="{2 * s:.1f}" y2="{44 * s:.1f}" stroke="#be8246" '
            f'stroke-width="{6 * s:.1f}"/>'
            f'<ellipse cx="{24 * s:.1f}" cy="{-46 * s:.1f}" rx="{10 * s:.1f}" ry="{6 * s:.1f}" '
            f'fill="{rgb(trazos.VERDE)}" stroke="{t}" stroke-width="{1.5 * s:.1f}"/>')


def carta_svg(numero, tipo, angulo, cx, cy):
    w, h = ANCHO, int(ANCHO * 1.55)
    color = {"E": (40, 80, 160), "B": (30, 120, 50)}[tipo]
    m = w * 0.07
    return (f'<g transform="translate({cx} {cy}) rotate({-angulo})">'
            f'<rect x="{-w / 2 + 12}" y="{-h / 2 + 16}" width="{w}" height="{h}" rx="{w * 0.09:.1f}" '
            f'fill="#000" opacity="0.3" filter="url(#difuso)"/>'
            f'<rect x="{-w / 2}" y="{-h / 2}" width="{w}" height="{h}" rx="{w * 0.09:.1f}" fill="#fcf8ec" '
            f'stroke="#3c3228" stroke-width="{w // 40}"/>'
            f'<rect x="{-w / 2 + m:.1f}" y="{-h / 2 + m:.1f}" width="{w - 2 * m:.1f}" height="{h - 2 * m:.1f}" '
            f'rx="{w * 0.054:.1f}" fill="none" stroke="{rgb(color)}" stroke-width="{w // 80 + 1}"/>'
            f'<text x="{-w / 2 + m * 1.6:.1f}" y="{-h / 2 + m * 1.2 + w * 0.19:.1f}" font-family="DejaVu Sans" '
            f'font-weight="bold" font-size="{w * 0.2:.1f}" fill="{rgb(color)}">{numero}</text>'
            f'<text x="{w / 2 - m * 1.6:.1f}" y="{h / 2 - m * 1.2:.1f}" text-anchor="end" font-family="DejaVu Sans" '
            f'font-weight="bold" font-size="{w * 0.2:.1f}" fill="{rgb(color)}">{numero}</text>'
            f'{palo_svg(tipo, h * 0.62)}</g>')


def svg(ruta):
    cuerpo = "".join(carta_svg(n, p, a, cx, cy) for n, p, a, (cx, cy) in CARTAS)
    with open(ruta, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                f'<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 {R} {R}">\n'
                '<title>Naipalia</title>\n'
                '<defs><filter id="difuso" x="-10%" y="-10%" width="120%" height="120%">'
                '<feGaussianBlur stdDeviation="12"/></filter></defs>\n'
                f'{cuerpo}\n</svg>\n')


def main():
    destino = sys.argv[1]
    png(destino)
    svg(f"{destino}/naipalia.svg")


if __name__ == "__main__":
    main()
