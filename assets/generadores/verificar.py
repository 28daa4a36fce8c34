#!/usr/bin/env python3
"""Checks the generated media and draws a contact sheet of every picture.

Usage: verificar.py [CONTACT_SHEET.png]   (run from the repository root)
Fails (exit 1) on a silent, clipped, too long or wrongly formatted clip, a GIF
that is not a looping animation of 6+ frames at 100-300 ms, or an .ico
without its five sizes.
"""
import math
import os
import re
import subprocess
import sys
import wave

from PIL import Image, ImageDraw, ImageSequence

import trazos

BASE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
PROGRAMA = os.path.join(BASE, "programa")
ESCRITORIO = os.path.join(BASE, "escritorio")
FRASES = ["Quiero", "No quiero", "Truco", "Re-Truco", "Vale 4", "Envido", "Real envido", "Falta Envido",
          "Flor", "Flor achico", "Flor juego", "Flor contra", "Ehh", "Mentira", "Ganar mano",
          "Perder mano", "Ganar partido", "Perder partido"]
CARAS = ["1839", "ma_smile 011", "ma_smile 006", "ma_smile 004", "ma_smile 001", "ma_smile 005",
         "ma_smile 010", "ma_smile 007"]
TAMANIOS = [128, 64, 48, 32, 16]
errores = []


def sox_stat(ruta):
    """Values of sox's `stat` effect (key: value lines on stderr)."""
    salida = subprocess.run(["sox", ruta, "-n", "stat"], capture_output=True, text=True).stderr
    return dict(re.findall(r"^(.+?):\s+(\S+)$", salida, re.M))


def sox_planitud(ruta):
    """sox `stats` flat factor: above 0 means runs of samples stuck at the peak (clipping)."""
    salida = subprocess.run(["sox", ruta, "-n", "stats"], capture_output=True, text=True).stderr
    m = re.search(r"^Flat factor\s+(\S+)", salida, re.M)
    return float(m.group(1)) if m else 0.0


def sonidos():
    print(f"{'archivo':<20} {'formato':<18} {'dur s':>6} {'pico':>7} {'dBFS':>6} {'RMS':>7} {'planitud':>8}")
    for nombre in FRASES + ["Mover"]:
        ruta = os.path.join(PROGRAMA, nombre + ".wav")
        try:
            with wave.open(ruta) as w:       # the standard reader only accepts plain PCM
                canales, ancho, tasa = w.getnchannels(), w.getsampwidth(), w.getframerate()
        except (OSError, wave.Error) as e:
            errores.append(f"{nombre}.wav: {e}")
            continue
        st = sox_stat(ruta)
        dur = float(st["Length (seconds)"])
        pico = max(abs(float(st["Maximum amplitude"])), abs(float(st["Minimum amplitude"])))
        rms = float(st["RMS     amplitude"])
        plano = sox_planitud(ruta)
        db = 20 * math.log10(pico) if pico > 0 else -999
        print(f"{nombre + '.wav':<20} PCM {ancho * 8}b {canales}ch {tasa}Hz {dur:6.3f} {pico:7.4f} {db:6.2f} "
              f"{rms:7.4f} {plano:8.2f}")
        if (canales, ancho) != (1, 2):
            errores.append(f"{nombre}.wav: {canales} canales, {ancho * 8} bits")
        if rms < 0.02 or pico < 0.3:
            errores.append(f"{nombre}.wav: casi mudo")
        if pico >= 0.999 or plano > 0:
            errores.append(f"{nombre}.wav: recortado")
        limite = 0.35 if nombre == "Mover" else 2.0
        if dur > limite:
            errores.append(f"{nombre}.wav: dura {dur:.2f} s")


def tablero(w, h, paso=8):
    img = Image.new("RGBA", (w, h), (255, 255, 255, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, paso):
        for x in range(0, w, paso):
            if (x // paso + y // paso) % 2:
                d.rectangle((x, y, x + paso - 1, y + paso - 1), fill=(220, 220, 220, 255))
    return img


def iconos():
    celdas = []
    for nombre in CARAS:
        ruta = os.path.join(PROGRAMA, nombre + ".ico")
        ico = Image.open(ruta)
        tams = sorted(s[0] for s in ico.info["sizes"])
        if tams != sorted(TAMANIOS):
            errores.append(f"{nombre}.ico: tamaños {tams}")
        if ico.size != (128, 128):
            errores.append(f"{nombre}.ico: la primera imagen mide {ico.size}")
        imgs = []
        for t in TAMANIOS:
            im = ico.ico.getimage((t, t)).convert("RGBA")
            if im.size != (t, t) or im.getchannel("A").getextrema()[0] != 0:
                errores.append(f"{nombre}.ico {t}px: tamaño o transparencia incorrectos")
            imgs.append(im)
        print(f"{nombre + '.ico':<20} tamaños {tams}")
        celdas.append((nombre, imgs))
    return celdas


def animaciones():
    gifs = sorted(f for f in os.listdir(os.path.join(PROGRAMA, "Propaganda")) if f.endswith(".gif"))
    numeradas = sorted(int(m.group(1)) for f in gifs for m in [re.match(r"Imagen(\d+)\.gif$", f)] if m)
    if numeradas != list(range(1, len(numeradas) + 1)) or not numeradas or "Publique.gif" not in gifs:
        errores.append(f"Propaganda: numeración {numeradas}")
    res = []
    for f in [f"Imagen{i}.gif" for i in numeradas] + ["Publique.gif"]:
        im = Image.open(os.path.join(PROGRAMA, "Propaganda", f))
        cuadros, tiempos = [], []
        for fr in ImageSequence.Iterator(im):
            tiempos.append(fr.info.get("duration"))
            cuadros.append(fr.convert("RGB"))
        print(f"{f:<16} {im.size[0]}x{im.size[1]} {len(cuadros)} cuadros, loop={im.info.get('loop')}, "
              f"ms={min(tiempos)}-{max(tiempos)}")
        if len(cuadros) < 6 or im.info.get("loop") != 0 or min(tiempos) < 100 or max(tiempos) > 300:
            errores.append(f"{f}: animación fuera de norma")
        res.append((f, cuadros))
    return res


def hoja(ruta, celdas, gifs):
    fnt = trazos.fuente(14)
    ancho = 4 * 324 + 20
    alto = 40 + 2 * 170 + len(gifs) * 226 + 300
    s = Image.new("RGBA", (ancho, alto), (245, 242, 232, 255))
    d = ImageDraw.Draw(s)
    y = 10
    d.text((10, y), "Caras (.ico: 128, 64, 48, 32, 16 px)", font=fnt, fill=(0, 0, 0))
    y += 24
    for i, (nombre, imgs) in enumerate(celdas):
        x0, y0 = 10 + (i % 4) * 324, y + (i // 4) * 170
        d.text((x0, y0), nombre, font=fnt, fill=(0, 0, 0))
        fondo = tablero(312, 134)
        x = 2
        for im in imgs:
            fondo.alpha_composite(im, (x, 2 + (128 - im.height) // 2))
            x += im.width + 4
        s.alpha_composite(fondo, (x0, y0 + 20))
    y += 2 * 170 + 10
    for nombre, cuadros in gifs:
        d.text((10, y), f"{nombre} ({len(cuadros)} cuadros)", font=fnt, fill=(0, 0, 0))
        n = len(cuadros)
        for j, k in enumerate(sorted({0, n // 3, 2 * n // 3, n - 1})):
            s.paste(cuadros[k], (10 + j * 324, y + 20))
        y += 226
    d.text((10, y), "Ícono de la aplicación (naipalia.png)", font=fnt, fill=(0, 0, 0))
    icono = Image.open(os.path.join(ESCRITORIO, "naipalia.png")).convert("RGBA")
    fondo = tablero(256, 256, 16)
    fondo.alpha_composite(icono)
    s.alpha_composite(fondo, (10, y + 20))
    s.convert("RGB").save(ruta)


def main():
    sonidos()
    celdas = iconos()
    gifs = animaciones()
    if len(sys.argv) > 1:
        hoja(sys.argv[1], celdas, gifs)
    if errores:
        print("\n".join(["ERRORES:"] + errores))
        sys.exit(1)
    print("verificación: todo en orden")


if __name__ == "__main__":
    main()
