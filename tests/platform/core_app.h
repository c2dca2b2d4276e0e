// SPDX-License-Identifier: GPL-3.0-or-later
// One core application object for the whole test run, for the sound services' tests: their
// notifications travel through the event loop, and file lookups ask for the program's folder.
// It lives as long as the process.
#pragma once

#include <QCoreApplication>

inline void EnsureCoreApp() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "tovimar-plumkin-tests";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}
