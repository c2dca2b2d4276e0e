// SPDX-License-Identifier: GPL-3.0-or-later
// One application object for the whole test run: fonts, images and widgets need it. It is never
// destroyed: Qt Test registers its input devices after the application exists, and an
// application destroyed at exit would delete them after Qt's device list is gone, which crashes.
#pragma once

#include <QApplication>

inline void EnsureQtApp() {
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tovimar-plumkin-tests";
    static char* argv[] = {name, nullptr};
    new QApplication(argc, argv);
}
