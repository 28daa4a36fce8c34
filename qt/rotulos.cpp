#include "qt/rotulos.h"

#include <set>

#include "platform/ventana.h"

namespace naipalia::vista {

namespace {

QChar letraDe(const QString& caption) {
    const qsizetype i = caption.indexOf('&');
    return i >= 0 && i + 1 < caption.size() ? caption[i + 1].toLower() : QChar();
}

QString conLetra(QString limpio, qsizetype en) { return en < 0 ? limpio : limpio.insert(en, '&'); }

// Buttons and the menu bar's titles share the window's Alt keys; a menu's entries its own.
bool conLetra(const Control& c) { return c.tipo() == TipoControl::Boton || c.tipo() == TipoControl::Menu; }
std::string ambito(const Control& c) { return c.tipo() == TipoControl::Menu ? c.padre : std::string(); }

}  // namespace

std::vector<QString> LetrasUnicas(const std::vector<QString>& captions) {
    std::vector<QString> salida(captions.size());
    std::set<QChar> usadas;
    std::vector<std::size_t> pendientes;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const QChar letra = letraDe(captions[i]);
        salida[i] = captions[i];
        if (letra.isNull()) continue;
        if (usadas.insert(letra).second) continue;
        pendientes.push_back(i);
    }
    for (std::size_t i : pendientes) {
        const QString limpio = QString(captions[i]).remove('&');
        qsizetype elegida = -1;
        for (int pasada = 0; pasada < 2 && elegida < 0; ++pasada) {
            for (qsizetype j = 0; j < limpio.size() && elegida < 0; ++j) {
                const bool inicial = j == 0 || limpio[j - 1].isSpace() || limpio[j - 1] == '-';
                if (limpio[j].isLetterOrNumber() && (pasada == 1 || inicial) && !usadas.count(limpio[j].toLower()))
                    elegida = j;
            }
        }
        if (elegida >= 0) usadas.insert(limpio[elegida].toLower());
        salida[i] = conLetra(limpio, elegida);
    }
    return salida;
}

QString Rotulo(const Control& control) {
    // The menu bar's titles come first: Alt+J and Alt+A open them as everywhere.
    std::vector<const Control*> vecinos;
    const std::string suyo = ambito(control);
    for (int ronda = 0; ronda < 2; ++ronda)
        for (const Control* c : control.ventana().controles())
            if (conLetra(*c) && ambito(*c) == suyo && (c->tipo() == TipoControl::Menu) == (ronda == 0))
                vecinos.push_back(c);
    std::vector<QString> captions;
    std::size_t mio = 0;
    for (const Control* c : vecinos) {
        if (c == &control) mio = captions.size();
        captions.push_back(QString::fromStdString(c->Caption()));
    }
    return LetrasUnicas(captions).at(mio);
}

}  // namespace naipalia::vista
