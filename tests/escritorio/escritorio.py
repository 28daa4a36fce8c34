"""The real program on a virtual screen: Xvfb gives the screen, openbox the focus and
placement a desktop gives, xdotool the keyboard and mouse; xwininfo, xprop and xwd read
the windows back."""
import os
import select
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


def esperar(condicion, segundos, paso=0.05):
    """The condition's first true value within the time, else its last value."""
    limite = time.monotonic() + segundos * LENTITUD
    while not (valor := condicion()) and time.monotonic() < limite:
        time.sleep(paso)
    return valor


def detener(proceso, segundos=5):
    if proceso and proceso.poll() is None:
        proceso.terminate()
        try:
            proceso.wait(segundos)
        except subprocess.TimeoutExpired:
            proceso.kill()
            proceso.wait()


class Pantalla:
    """An X server of the given size with openbox running on it."""

    def __init__(self, ancho, alto):
        # Xvfb picks a free display and writes its number, with a newline, to its output.
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", f"{ancho}x{alto}x24", "-nolisten",
                                      "tcp", "-noreset"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        listo = select.select([self.xvfb.stdout], [], [], 20)[0]
        self.display = ":" + (self.xvfb.stdout.readline().decode().strip() if listo else "")
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

    def ventanas(self, clase):
        """The visible top-level windows of that class: id -> title."""
        ids = self.x("xdotool", "search", "--onlyvisible", "--class", clase).split()
        return {int(i): self.x("xdotool", "getwindowname", i).rstrip("\n") for i in ids}

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
        try:
            izq, der, arr, aba = (int(v) for v in texto.split(","))
        except ValueError:
            izq = der = arr = aba = 0
        return g and (g[0] - izq, g[1] - arr, g[2] + izq + der, g[3] + arr + aba)

    def activa(self):
        texto = self.x("xdotool", "getactivewindow").strip()
        return int(texto) if texto.isdigit() else None

    def teclas(self, *teclas):
        self.x("xdotool", "key", "--delay", "40", *teclas)

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
        if shutil.which("import"):
            self.x("import", "-window", "root", archivo)


class Programa:
    """The desktop program run from a folder of its own, with a fresh home."""

    def __init__(self, pantalla, carpeta, trabajo, escala):
        self.pantalla, programa = pantalla, os.path.join(trabajo, "programa")
        self.home, runtime = os.path.join(trabajo, "home"), os.path.join(trabajo, "runtime")
        for carpeta_nueva in (self.home, programa, runtime):
            os.makedirs(carpeta_nueva, mode=0o700)
        # As installed: the executable finds its files beside it, the database read-only,
        # so the players' file is made afresh in the home's data folder.
        for nombre in os.listdir(carpeta):
            origen, destino = os.path.join(carpeta, nombre), os.path.join(programa, nombre)
            if nombre == "naipalia":
                shutil.copy2(origen, destino)
            elif nombre == "naipalia.mdb":
                shutil.copyfile(origen, destino)
                os.chmod(destino, 0o444)
            else:
                os.symlink(origen, destino)
        # libdbus leaks a buffer when Qt finds no session bus: not ours, so not the sanitizers' concern.
        with open(os.path.join(trabajo, "lsan.supp"), "w") as f:
            f.write("leak:libdbus-1.so\n")
        entorno = pantalla.entorno(HOME=self.home, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
                                   QT_SCALE_FACTOR=str(escala), LSAN_OPTIONS="suppressions=" + f.name)
        for variable in ("XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "QT_SCREEN_SCALE_FACTORS",
                         "QT_ENABLE_HIGHDPI_SCALING", "QT_FONT_DPI"):
            entorno.pop(variable, None)
        self.salida = open(os.path.join(trabajo, "programa.log"), "w")
        self.proceso = subprocess.Popen([os.path.join(programa, "naipalia")], env=entorno, cwd=trabajo,
                                        stdout=self.salida, stderr=subprocess.STDOUT)
        self.partidas = os.path.join(self.home, ".local", "share", "Naipalia", "partidas")

    def ventanas(self):
        return self.pantalla.ventanas("naipalia") if self.proceso.poll() is None else {}

    def grabaciones(self):
        """The recorded games, oldest first: {file: text}."""
        nombres = sorted(os.listdir(self.partidas)) if os.path.isdir(self.partidas) else []
        archivos = [os.path.join(self.partidas, n) for n in nombres if n.endswith(".guion")]
        return {a: open(a, encoding="utf-8").read() for a in archivos}

    def terminar(self):
        detener(self.proceso, 10)
        self.salida.close()
