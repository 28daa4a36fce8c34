"""The real program on a virtual screen: Xvfb gives the screen, openbox the focus and
placement a desktop gives, xdotool the keyboard and mouse; xwininfo, xprop and xwd read
the windows back."""
import os
import shutil
import struct
import subprocess
import time

# Slow builds (the sanitizers) stretch every wait by this factor.
LENTITUD = float(os.environ.get("NAIPALIA_ESCRITORIO_LENTITUD", "1"))


class Fallo(Exception):
    """A check that did not hold; the message says what was seen."""


def exigir(valor, mensaje):
    """The value, if true; else the check fails with the message."""
    if not valor:
        raise Fallo(mensaje)
    return valor


def esperar(condicion, segundos):
    """The condition's first true value within the time, else its last value."""
    limite = time.monotonic() + segundos * LENTITUD
    while not (valor := condicion()) and time.monotonic() < limite:
        time.sleep(0.05)
    return valor


def detener(proceso, segundos=5):
    proceso.terminate()
    try:
        proceso.wait(segundos)
    except subprocess.TimeoutExpired:
        proceso.kill(), proceso.wait()


class Pantalla:
    """An X server of the given size with openbox running on it."""

    def __init__(self, ancho, alto):
        # Xvfb picks a free display and writes its number, with a newline, to its output.
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", f"{ancho}x{alto}x24", "-nolisten",
                                      "tcp", "-noreset"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.display = ":" + self.xvfb.stdout.readline().decode().strip()
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.entorno(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not esperar(lambda: "window id" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20):
            self.cerrar()
            raise Fallo("Xvfb or openbox did not start")

    def entorno(self, **extra):
        return dict(os.environ, DISPLAY=self.display, **extra)

    def x(self, *orden):
        """An X tool's output; empty when it failed (a window that just closed)."""
        r = subprocess.run(orden, env=self.entorno(), capture_output=True, text=True)
        return r.stdout if r.returncode == 0 else ""

    def cerrar(self):
        detener(self.wm), detener(self.xvfb)

    def geometria(self, ventana):
        """(x, y, width, height) of the window's inside on the screen, None once closed."""
        campos = dict(l.strip().partition(":")[::2] for l in self.x("xwininfo", "-id", str(ventana)).splitlines())
        try:
            return tuple(int(campos[c]) for c in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
        except (KeyError, ValueError):
            return None

    def marco(self, ventana):
        """The window with openbox's frame around it, None once closed."""
        g = self.geometria(ventana)
        texto = self.x("xprop", "-id", str(ventana), "_NET_FRAME_EXTENTS").partition("=")[2]
        izq, der, arr, aba = (int(v) for v in texto.split(",")) if texto.count(",") == 3 else (0, 0, 0, 0)
        return g and (g[0] - izq, g[1] - arr, g[2] + izq + der, g[3] + arr + aba)

    def activa(self):
        texto = self.x("xdotool", "getactivewindow").strip()
        return int(texto) if texto.isdigit() else None

    def teclas(self, *teclas, orden="key"):
        self.x("xdotool", orden, "--delay", "40", *teclas)

    def clic(self, x, y):
        self.x("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")

    def cerrar_ventana(self, ventana):
        """A click on the close button at the right end of openbox's title bar."""
        g, m = self.geometria(ventana), self.marco(ventana)
        if g and m:
            self.clic(m[0] + m[2] - 11, m[1] + (g[1] - m[1]) // 2)

    def captura(self, ventana):
        """The window's pixels as (width, height, rows of bytes, bytes per pixel)."""
        datos = subprocess.run(["xwd", "-silent", "-id", str(ventana)], env=self.entorno(), capture_output=True).stdout
        if len(datos) < 100:
            return None  # the window is gone
        campos = struct.unpack(">25I", datos[:100])
        ancho, alto, bpp, linea = campos[4], campos[5], campos[11] // 8, campos[12]
        inicio = campos[0] + campos[19] * 12  # past the header and the colour map
        return ancho, alto, [datos[inicio + y * linea:inicio + y * linea + ancho * bpp] for y in range(alto)], bpp

    def foto(self, archivo):
        """The whole screen beside a failure's report, where ImageMagick is."""
        shutil.which("import") and self.x("import", "-window", "root", archivo)


class Programa:
    """The desktop program run from a folder of its own, with a fresh home."""

    def __init__(self, pantalla, carpeta, trabajo, escala):
        self.pantalla, programa, self.home, runtime = pantalla, *(os.path.join(trabajo, c) for c in ("programa", "home", "runtime"))
        for carpeta_nueva in (self.home, programa, runtime):
            os.makedirs(carpeta_nueva, mode=0o700)
        # As installed: the executable finds its files beside it, the database read-only,
        # so the players' file is made afresh in the home's data folder.
        for nombre in os.listdir(carpeta):
            origen, destino = os.path.join(carpeta, nombre), os.path.join(programa, nombre)
            {"naipalia": shutil.copy2, "naipalia.mdb": shutil.copyfile}.get(nombre, os.symlink)(origen, destino)
        os.chmod(os.path.join(programa, "naipalia.mdb"), 0o444)
        # libdbus leaks a buffer when Qt finds no session bus: not ours, so not the sanitizers' concern.
        with open(os.path.join(trabajo, "lsan.supp"), "w") as f:
            f.write("leak:libdbus-1.so\n")
        entorno = {v: t for v, t in pantalla.entorno().items() if not v.startswith(("XDG_", "QT_"))}
        entorno.update(HOME=self.home, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime, QT_SCALE_FACTOR=str(escala),
                       LSAN_OPTIONS="suppressions=" + f.name)
        with open(os.path.join(trabajo, "programa.log"), "w") as salida:
            self.proceso = subprocess.Popen([os.path.join(programa, "naipalia")], env=entorno, cwd=trabajo,
                                            stdout=salida, stderr=subprocess.STDOUT)
        self.partidas = os.path.join(self.home, ".local", "share", "Naipalia", "partidas")

    def ventanas(self):
        """The program's visible top-level windows: id -> title."""
        ids = self.pantalla.x("xdotool", "search", "--onlyvisible", "--class", "naipalia").split()
        return {int(i): self.pantalla.x("xdotool", "getwindowname", i).rstrip("\n") for i in ids if self.proceso.poll() is None}

    def grabaciones(self):
        """The recorded games, oldest first: {file: text}."""
        nombres = sorted(os.listdir(self.partidas)) if os.path.isdir(self.partidas) else []
        return {a: open(a, encoding="utf-8").read() for a in (os.path.join(self.partidas, n) for n in nombres if n.endswith(".guion"))}
