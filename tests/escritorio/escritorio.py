"""The real program on a virtual screen under a window manager, driven by X input.

Xvfb gives the screen, openbox the focus, activation and placement a desktop gives,
xdotool the keyboard and mouse; windows are read back with xwininfo, xprop and xwd.
"""
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


def esperar(condicion, segundos, paso=0.1):
    """The condition's first true value within the time, else None."""
    limite = time.monotonic() + segundos * LENTITUD
    while True:
        valor = condicion()
        if valor or time.monotonic() > limite:
            return valor
        time.sleep(paso)


class Pantalla:
    """An X server of the given size with openbox running on it."""

    def __init__(self, ancho, alto):
        lectura, escritura = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(escritura), "-screen", "0", f"{ancho}x{alto}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(escritura,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(escritura)
        # The number comes with its newline, which must find the pipe still open.
        numero = b""
        while not numero.endswith(b"\n") and select.select([lectura], [], [], 20)[0]:
            parte = os.read(lectura, 16)
            if not parte:
                break
            numero += parte
        os.close(lectura)
        numero = numero.strip()
        if not numero:
            self.cerrar()
            raise Fallo("Xvfb did not start")
        self.display = ":" + numero.decode()
        self.ancho, self.alto = ancho, alto
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.entorno(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if not esperar(lambda: "window id" in self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 20):
            self.cerrar()
            raise Fallo("openbox did not start")

    def entorno(self, **extra):
        entorno = dict(os.environ, DISPLAY=self.display)
        entorno.update(extra)
        return entorno

    def x(self, *orden):
        """An X tool's output; empty when it failed (a window that just closed)."""
        try:
            r = subprocess.run(orden, env=self.entorno(), capture_output=True, text=True)
        except FileNotFoundError:
            return ""
        return r.stdout if r.returncode == 0 else ""

    def cerrar(self):
        for proceso in (getattr(self, "wm", None), self.xvfb):
            if proceso and proceso.poll() is None:
                proceso.terminate()
                try:
                    proceso.wait(5)
                except subprocess.TimeoutExpired:
                    proceso.kill()

    # Windows.

    def ventanas(self, clase):
        """The visible top-level windows of that class: id -> title."""
        ids = self.x("xdotool", "search", "--onlyvisible", "--class", clase).split()
        return {int(i): self.x("xdotool", "getwindowname", i).rstrip("\n") for i in ids}

    def geometria(self, ventana):
        """(x, y, width, height) of the window's inside on the screen, None once closed."""
        campos = {}
        for linea in self.x("xwininfo", "-id", str(ventana)).splitlines():
            clave, _, valor = linea.strip().partition(":")
            campos[clave] = valor.strip()
        try:
            return (int(campos["Absolute upper-left X"]), int(campos["Absolute upper-left Y"]),
                    int(campos["Width"]), int(campos["Height"]))
        except (KeyError, ValueError):
            return None

    def marco(self, ventana):
        """The window with the window manager's frame: (x, y, width, height)."""
        g = self.geometria(ventana)
        if not g:
            return None
        texto = self.x("xprop", "-id", str(ventana), "_NET_FRAME_EXTENTS")
        try:
            izq, der, arr, aba = (int(v) for v in texto.split("=")[1].split(","))
        except (IndexError, ValueError):
            izq = der = arr = aba = 0
        return (g[0] - izq, g[1] - arr, g[2] + izq + der, g[3] + arr + aba)

    def activa(self):
        texto = self.x("xdotool", "getactivewindow").strip()
        return int(texto) if texto.isdigit() else None

    # Input.

    def teclas(self, *teclas):
        self.x("xdotool", "key", "--delay", "60", *teclas)

    def escribir(self, texto):
        self.x("xdotool", "type", "--delay", "40", texto)

    def clic(self, x, y):
        self.x("xdotool", "mousemove", "--sync", str(x), str(y), "click", "1")

    def cerrar_ventana(self, ventana):
        """A click on the close button of openbox's title bar, at its right end."""
        g, m = self.geometria(ventana), self.marco(ventana)
        if g and m:
            self.clic(m[0] + m[2] - 11, m[1] + (g[1] - m[1]) // 2)

    # Pixels.

    def captura(self, ventana):
        """The window's pixels as (width, height, rows of bytes, bytes per pixel)."""
        datos = subprocess.run(["xwd", "-silent", "-id", str(ventana)], env=self.entorno(),
                               capture_output=True).stdout
        if len(datos) < 100:
            return None
        campos = struct.unpack(">25I", datos[:100])
        cabecera, ancho, alto = campos[0], campos[4], campos[5]
        bpp, por_linea, colores = campos[11] // 8, campos[12], campos[19]
        inicio = cabecera + colores * 12
        filas = [datos[inicio + y * por_linea:inicio + y * por_linea + ancho * bpp] for y in range(alto)]
        return ancho, alto, filas, bpp

    def foto(self, archivo):
        """The whole screen, kept beside a failure's report."""
        self.x("import", "-window", "root", archivo)


class Programa:
    """The desktop program run from a folder of its own, with a fresh home."""

    def __init__(self, pantalla, carpeta, trabajo, escala):
        self.pantalla = pantalla
        self.home = os.path.join(trabajo, "home")
        programa = os.path.join(trabajo, "programa")
        os.makedirs(self.home)
        os.makedirs(programa)
        # Its own folder, as the executable finds its files beside it: the pictures and
        # sounds linked, the database read-only as installed, so the players' file is made
        # afresh in the home's data folder.
        for nombre in os.listdir(carpeta):
            origen = os.path.join(carpeta, nombre)
            if nombre == "naipalia":
                try:
                    os.link(origen, os.path.join(programa, nombre))
                except OSError:
                    shutil.copy2(origen, programa)
            elif nombre == "naipalia.mdb":
                shutil.copyfile(origen, os.path.join(programa, nombre))
                os.chmod(os.path.join(programa, nombre), 0o444)
            else:
                os.symlink(origen, os.path.join(programa, nombre))
        runtime = os.path.join(trabajo, "runtime")
        os.makedirs(runtime, mode=0o700)
        entorno = pantalla.entorno(HOME=self.home, QT_QPA_PLATFORM="xcb", XDG_RUNTIME_DIR=runtime,
                                   QT_SCALE_FACTOR=str(escala))
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
        """The recorded games, oldest first."""
        if not os.path.isdir(self.partidas):
            return []
        return sorted(os.path.join(self.partidas, n) for n in os.listdir(self.partidas) if n.endswith(".guion"))

    def terminar(self):
        if self.proceso.poll() is None:
            self.proceso.terminate()
            try:
                self.proceso.wait(10)
            except subprocess.TimeoutExpired:
                self.proceso.kill()
                self.proceso.wait()
        self.salida.close()
