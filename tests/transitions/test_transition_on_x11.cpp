// SPDX-License-Identifier: GPL-3.0-or-later
// Whole transitions on a real X server with the real render window (ctest runs this suite
// again under Xvfb; elsewhere these tests are skipped).
#include "framework/Forms.h"
#include "tests/framework/qt_app.h"
#include "transitions/teForm.h"
#include "transitions/teRoll.h"

#include <QGuiApplication>
#include <QTimer>
#include <gtest/gtest.h>

// The engine runs no message loop of the program's during a transition: what was queued for
// the program before the end (a call, a timer that is due) runs once the transition is over.
TEST(TransitionOnX11, QueuedCallsAndTimersRunAfterTheEndNotInside) {
    EnsureQtApp();
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X server";
    TForm form(nullptr);
    form.SetBounds(40, 40, 160, 120);
    auto* transitions = new TFormTransitions(&form);
    auto* roll = new TRollTransition(&form);
    roll->SetMilliseconds(200);
    transitions->SetShowTransition(roll);

    bool called = false, timed = false, calledAtEnd = true, timedAtEnd = true, ended = false;
    roll->OnStartTransition = [&](QObject*) {
        QMetaObject::invokeMethod(
            qApp, [&] { called = true; }, Qt::QueuedConnection);
        QTimer::singleShot(0, qApp, [&] { timed = true; });
    };
    roll->OnEndTransition = [&](QObject*) {
        ended = true;
        calledAtEnd = called;
        timedAtEnd = timed;
    };
    form.Show();
    ASSERT_TRUE(ended);
    EXPECT_FALSE(calledAtEnd);
    EXPECT_FALSE(timedAtEnd);
    EXPECT_FALSE(called);
    EXPECT_FALSE(timed);
    for (int i = 0; i < 100 && !(called && timed); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_TRUE(called);
    EXPECT_TRUE(timed);
    form.Hide();
}
