// The start of the desktop tests run on one screen: Qt's offscreen platform unless the
// environment names another, and two folders from the command line.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <cstdio>

#include "qt/programa.h"

namespace naipalia::vista::prueba {

inline int CorrerPruebas(int argc, char* argv[], QString& carpetaPrograma, QString& carpetaArtefactos) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "uso: %s <carpeta del programa> <carpeta de artefactos>\n", argv[0]);
        return 2;
    }
    carpetaPrograma = QString::fromLocal8Bit(argv[1]);
    carpetaArtefactos = QString::fromLocal8Bit(argv[2]);
    PrepararAplicacion(carpetaPrograma);
    return RUN_ALL_TESTS();
}

}  // namespace naipalia::vista::prueba
