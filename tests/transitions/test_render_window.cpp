// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Thread.h"
#include "tests/framework/qt_app.h"
#include "transitions/teRender.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace {

class Counting : public QWidget {
public:
    int presses = 0;
    int keys = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void keyPressEvent(QKeyEvent*) override { ++keys; }
};

void Post(QObject* receiver, QEvent::Type type, Qt::MouseButton button = Qt::LeftButton) {
    QCoreApplication::postEvent(
        receiver, new QMouseEvent(type, QPointF(5, 5), QPointF(5, 5), button, button, Qt::NoModifier));
}

} // namespace

// The abort checks look at what came during an animation: they take a left press on the render
// window and key presses, and leave the rest (another window's click, a worker's call waiting for
// the UI thread) to the message loop, which gets it afterwards in full.
TEST(RenderWindow, AbortChecksTakeOnlyTheirInputAndHoldTheRest) {
    EnsureQtApp();
    Counting other;
    other.setGeometry(0, 0, 50, 50);
    other.show();
    TTERenderWindow render(false);
    QImage beneath(50, 50, QImage::Format_RGB32);
    beneath.fill(Qt::gray);
    render.ShowOver(QRect(100, 0, 50, 50), beneath);
    QCoreApplication::processEvents();

    Post(&other, QEvent::MouseButtonPress);
    std::atomic<bool> ran = false;
    std::thread worker([&ran] { TThread::Synchronize([&ran] { ran = true; }); });
    // The worker's wake-up is queued by now.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Post(&render, QEvent::MouseButtonPress, Qt::RightButton);
    EXPECT_FALSE(render.TakeClick());
    Post(&render, QEvent::MouseButtonPress);
    EXPECT_TRUE(render.TakeClick());
    EXPECT_FALSE(render.TakeClick());
    EXPECT_EQ(other.presses, 0);
    EXPECT_FALSE(ran);

    // Escape goes to the window with the focus; the render window takes it.
    QCoreApplication::postEvent(&other, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    EXPECT_TRUE(render.TakeEscape());
    EXPECT_EQ(other.keys, 0);

    for (int i = 0; i < 100 && !(ran && other.presses); ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(other.presses, 1);
    EXPECT_TRUE(ran);
    worker.join();
}
