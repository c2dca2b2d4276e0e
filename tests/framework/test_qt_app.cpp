// SPDX-License-Identifier: GPL-3.0-or-later
// The framework's tests share one application object that is never destroyed: Qt Test registers
// its input devices after the application exists, and an application destroyed at exit would
// delete them after Qt's device list is gone, which crashes.
#include <QApplication>
#include <gtest/gtest.h>

namespace {

class TQtApplication : public ::testing::Environment {
public:
    void SetUp() override {
        if (QCoreApplication::instance())
            return;
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "test_framework";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
};

const auto* const kQtApplication = ::testing::AddGlobalTestEnvironment(new TQtApplication);

} // namespace
