#!/usr/bin/env python3
"""Builds the help page Ayuda.html and its stylesheet Ayuda.css.

Usage: ayuda.py OUTPUT_DIR
The texts live in ayuda_textos.py; this script adds the page frame and the
table of contents, and checks that every internal link has its anchor.
"""
import re
import sys

from ayuda_textos import INTRO, SECCIONES

# Plain CSS 2.1 only: the page is also shown by Qt's rich-text browser
# (which loads a linked stylesheet only when the link says type="text/css").
CSS = """\
body {
  font-family: "DejaVu Sans", Verdana, Arial, sans-serif;
  font-size: 11pt;
  color: #222222;
  background-color: #fbf8f0;
  margin: 0;
  padding: 0 1.2em 1.5em 1.2em;
  line-height: 1.45;
}
header {
  display: block;
  background-color: #1e6b3c;
  color: #ffffff;
  padding: 0.8em 1em;
  margin: 0 -1.2em 1em -1.2em;
}
/* The band colour is repeated on the lines themselves for viewers that ignore it on header. */
header h1 { margin: 0; font-size: 20pt; color: #ffd84a; background-color: #1e6b3c; }
header p { margin: 0; padding-top: 0.2em; color: #e8f5ec; background-color: #1e6b3c; }
h2 {
  color: #1e6b3c;
  border-bottom: 2px solid #d9b13b;
  padding-bottom: 0.15em;
  margin-top: 1.6em;
  font-size: 15pt;
}
h3 { color: #8a2a1c; font-size: 12pt; margin-top: 1.2em; }
a { color: #1f5fa8; }
nav {
  display: block;
  background-color: #ffffff;
  border: 1px solid #d8cfb8;
  padding: 0.4em 1em;
}
nav h2 { border: none; margin-top: 0.3em; }
nav ol { margin-top: 0.2em; }
table {
  border-collapse: collapse;
  margin: 0.6em 0 1em 0;
  background-color: #ffffff;
}
th, td {
  border: 1px solid #cfc6ad;
  padding: 3px 8px;
  text-align: left;
  vertical-align: top;
}
th { background-color: #efe6cc; }
td.num, th.num { text-align: center; }
kbd {
  font-family: "DejaVu Sans Mono", monospace;
  background-color: #eeeeee;
  border: 1px solid #bbbbbb;
  padding: 0 0.3em;
}
.nota {
  background-color: #fff4cc;
  border-left: 4px solid #d9b13b;
  padding: 0.4em 0.8em;
}
.ejemplo { color: #4a4a4a; font-style: italic; }
.arriba { font-size: 9pt; text-align: right; }
footer { display: block; margin-top: 2em; font-size: 9pt; color: #777777; }
"""


def pagina():
    indice = "\n".join(f'      <li><a href="#{ident}">{titulo}</a></li>' for ident, titulo, _ in SECCIONES)
    cuerpo = "\n".join(
        f'  <section id="{ident}">\n    <h2>{titulo}</h2>\n{texto.strip(chr(10))}\n'
        f'    <p class="arriba"><a href="#indice">Volver al índice</a></p>\n  </section>'
        for ident, titulo, texto in SECCIONES)
    return f"""<!DOCTYPE html>
<html lang="es">
<head>
  <meta charset="utf-8">
  <meta name="viewport" content="width=device-width, initial-scale=1">
  <title>Ayuda de Naipalia</title>
  <link rel="stylesheet" type="text/css" href="Ayuda.css">
</head>
<body>
  <header>
    <h1>Naipalia</h1>
    <p>Truco argentino contra la computadora &mdash; Ayuda</p>
  </header>
{INTRO.strip(chr(10))}
  <nav id="indice">
    <h2>Índice</h2>
    <ol>
{indice}
    </ol>
  </nav>
  <main>
{cuerpo}
  </main>
  <footer>
    <p>Naipalia &mdash; truco argentino con la baraja española de 40 cartas.</p>
  </footer>
</body>
</html>
"""


def main():
    destino = sys.argv[1]
    html = pagina()
    anclas = set(re.findall(r'id="([^"]+)"', html))
    rotos = [h for h in re.findall(r'href="#([^"]+)"', html) if h not in anclas]
    if rotos:
        sys.exit(f"enlaces internos sin destino: {rotos}")
    with open(f"{destino}/Ayuda.html", "w", encoding="utf-8", newline="\n") as f:
        f.write(html)
    with open(f"{destino}/Ayuda.css", "w", encoding="utf-8", newline="\n") as f:
        f.write(CSS)


if __name__ == "__main__":
    main()
