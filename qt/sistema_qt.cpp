#include "qt/sistema_qt.h"

#include <QDate>
#include <QDesktopServices>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QTime>
#include <QUrl>
#include <cmath>

#include "qt/escala.h"

namespace naipalia::vista {

double RelojQt::segundosDelDia() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

std::string RelojQt::fechaCorta() {
    return QLocale(QLocale::Spanish, QLocale::Argentina).toString(QDate::currentDate(), "dd/MM/yyyy").toStdString();
}

double AzarQt::siguiente() { return std::uniform_real_distribution<double>(0.0, 1.0)(generador_); }

// The time of day to the millisecond, so two deals in one second still differ.
void AzarQt::sembrar(double semilla) { generador_.seed(static_cast<std::uint32_t>(std::llround(semilla * 1000.0))); }

int PantallaQt::anchoPixeles() {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    return pantalla ? pantalla->size().width() : 0;
}

int PantallaQt::altoPixeles() {
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    return pantalla ? pantalla->size().height() : 0;
}

double PantallaQt::anchoTexto(const std::string& texto, int tamanoLetra, bool negrita) {
    const QFontMetricsF medidas(Fuente(tamanoLetra, negrita, PixelesPorTwip));
    return std::ceil(medidas.horizontalAdvance(QString::fromStdString(texto))) * TwipsPorPixel;
}

bool EscritorioQt::abrirEnlace(const std::string& destino, std::string& error) {
    if (QDesktopServices::openUrl(QUrl(QString::fromStdString(destino)))) return true;
    error = "No se pudo abrir " + destino;
    return false;
}

void EscritorioQt::mostrarAyuda(const std::string& ruta) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(ruta)));
}

}  // namespace naipalia::vista
