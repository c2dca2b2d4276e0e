// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the application object before the first test, for suites whose tests send real input.
#include "tests/framework/qt_app.h"

#include <gtest/gtest.h>

namespace {

class TQtApplication : public ::testing::Environment {
public:
    void SetUp() override { EnsureQtApp(); }
};

const auto* const kQtApplication = ::testing::AddGlobalTestEnvironment(new TQtApplication);

} // namespace
