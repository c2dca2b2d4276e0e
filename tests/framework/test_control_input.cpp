// SPDX-License-Identifier: GPL-3.0-or-later
// Mouse input as the window routes it to the controls: the order of the notifications of a
// click, and where the input on a disabled window-less control goes.
#include "framework/Controls.h"
#include "qt_app.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// A window with one window-less control at (10, 10, 40, 40); both log their mouse events.
class InputHost {
public:
    InputHost() : window((EnsureQtApp(), nullptr)) {
        window.SetBounds(0, 0, 100, 100);
        control = new TGraphicControl(&window);
        control->SetParent(&window);
        control->SetBounds(10, 10, 40, 40);
        Log(&window, "window");
        Log(control, "control");
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void Log(TControl* target, const QString& name) {
        target->OnMouseDown = [this, name](QObject*, TMouseButton button, TShiftState, int x, int y) {
            log << QStringLiteral("%1 down %2 %3,%4").arg(name).arg(int(button)).arg(x).arg(y);
        };
        target->OnClick = [this, name](QObject*) { log << name + QStringLiteral(" click"); };
        target->OnMouseUp = [this, name](QObject*, TMouseButton button, TShiftState, int x, int y) {
            log << QStringLiteral("%1 up %2 %3,%4").arg(name).arg(int(button)).arg(x).arg(y);
        };
    }

    QWindow* Handle() { return window.windowHandle(); }

    TCustomControl window;
    TGraphicControl* control;
    QStringList log;
};

} // namespace

TEST(ControlInput, ClickIsRaisedBeforeTheMouseUpNotification) {
    InputHost host;
    QTest::mouseClick(host.Handle(), Qt::LeftButton, {}, QPoint(20, 25));
    EXPECT_EQ(host.log.join(QStringLiteral("; ")),
              QStringList({"control down 0 10,15", "control click", "control up 0 10,15"})
                  .join(QStringLiteral("; ")));

    // Released outside the control, or with another button: no click.
    host.log.clear();
    QTest::mousePress(host.Handle(), Qt::LeftButton, {}, QPoint(20, 25));
    QTest::mouseRelease(host.Handle(), Qt::LeftButton, {}, QPoint(80, 80));
    QTest::mouseClick(host.Handle(), Qt::RightButton, {}, QPoint(20, 25));
    EXPECT_EQ(host.log.join(QStringLiteral("; ")), QStringList({"control down 0 10,15", "control up 0 70,70",
                                                                "control down 1 10,15", "control up 1 10,15"})
                                                       .join(QStringLiteral("; ")));
}

TEST(ControlInput, DisabledWindowlessControlLeavesItsMouseInputToItsParent) {
    InputHost host;
    host.control->SetEnabled(false);
    QTest::mouseClick(host.Handle(), Qt::LeftButton, {}, QPoint(20, 25));
    QTest::mouseClick(host.Handle(), Qt::RightButton, {}, QPoint(45, 45));
    EXPECT_EQ(host.log.join(QStringLiteral("; ")),
              QStringList({"window down 0 20,25", "window click", "window up 0 20,25", "window down 1 45,45",
                           "window up 1 45,45"})
                  .join(QStringLiteral("; ")));

    host.log.clear();
    host.control->SetEnabled(true);
    QTest::mouseClick(host.Handle(), Qt::LeftButton, {}, QPoint(20, 25));
    EXPECT_EQ(host.log.join(QStringLiteral("; ")),
              QStringList({"control down 0 10,15", "control click", "control up 0 10,15"})
                  .join(QStringLiteral("; ")));
}
