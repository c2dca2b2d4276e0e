// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Forms.h"
#include "tests/framework/qt_app.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

// A window manager that withdraws a window may leave it at its frame's corner, a title bar
// higher; hidden and shown again, the form comes back where it was all the same, and where
// it was moved to while shown (a drag) when it was.
TEST(FormPlace, FormShownAgainIsWhereItWasNotWhereTheWindowSystemLeftIt) {
    EnsureQtApp();
    TForm form(nullptr);
    form.SetBounds(100, 120, 200, 150);
    form.Show();
    QWidget& window = form;

    struct Step {
        QPoint movedWhileShown;
        QPoint leftWhenWithdrawn;
    };
    const QPoint asked(100, 120);
    for (const Step& step : {Step{asked, QPoint(96, 83)}, Step{QPoint(300, 40), QPoint(296, 3)}}) {
        // What the window system reports moves the window behind the form's back.
        window.setGeometry(QRect(step.movedWhileShown, form.size()));
        form.Hide();
        window.setGeometry(QRect(step.leftWhenWithdrawn, form.size()));
        ASSERT_EQ(form.geometry().topLeft(), step.leftWhenWithdrawn);
        form.Show();
        QCoreApplication::processEvents();
        EXPECT_EQ(form.geometry(), QRect(step.movedWhileShown, QSize(200, 150)));
        EXPECT_EQ(form.windowHandle()->geometry().topLeft(), step.movedWhileShown);
    }
    form.Hide();
}
