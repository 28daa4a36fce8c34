#include "qt/sistema_qt.h"

#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QTextBrowser>
#include <QTime>
#include <QVBoxLayout>
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
    if (!ayuda_) {
        ayuda_ = new QDialog(QApplication::activeWindow());
        ayuda_->setObjectName("Ayuda");
        ayuda_->setAttribute(Qt::WA_DeleteOnClose);
        ayuda_->setWindowTitle("Ayuda de Naipalia");
        auto* texto = new QTextBrowser(ayuda_);
        texto->setObjectName("TextoAyuda");
        texto->setOpenExternalLinks(true);
        auto* capa = new QVBoxLayout(ayuda_);
        capa->setContentsMargins(0, 0, 0, 0);
        capa->addWidget(texto);
        ayuda_->resize(ayuda_->fontMetrics().averageCharWidth() * 90, ayuda_->fontMetrics().height() * 32);
    }
    auto* texto = ayuda_->findChild<QTextBrowser*>("TextoAyuda");
    const QString archivo = QString::fromStdString(ruta);
    if (QFileInfo::exists(archivo))
        texto->setSource(QUrl::fromLocalFile(archivo));
    else
        texto->setPlainText("No se encuentra el archivo de ayuda " + archivo + ".");
    ayuda_->show();
    ayuda_->raise();
    ayuda_->activateWindow();
}

}  // namespace naipalia::vista
