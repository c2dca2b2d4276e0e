// SPDX-License-Identifier: GPL-3.0-or-later
// One application object for the whole test run: fonts, images and widgets need it.
#pragma once

#include <QApplication>

inline void EnsureQtApp() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_framework";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
}
