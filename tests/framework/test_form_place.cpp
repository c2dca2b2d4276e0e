// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Forms.h"
#include "tests/framework/qt_app.h"

#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

// Window managers report other places for a form than the one the program gave it: a
// withdrawn window left at its frame's corner, a title bar higher, or a frame's corner given
// for the window's own. Hidden and shown again, the form comes back to the program's place;
// a place the program gives it while hidden is taken.
TEST(FormPlace, FormShownAgainIsWhereTheProgramPutItNotWhereTheWindowSystemLeftIt) {
    EnsureQtApp();
    TForm form(nullptr);
    form.SetBounds(100, 120, 200, 150);
    form.Show();
    QWidget& window = form;

    struct Step {
        QPoint reportedWhileShown;
        QPoint leftWhenWithdrawn;
        QPoint givenWhileHidden;
    };
    const QPoint none(-1, -1);
    const Step steps[] = {{QPoint(100, 120), QPoint(96, 83), none},
                          {QPoint(68, 88), QPoint(64, 51), none},
                          {QPoint(100, 120), QPoint(96, 83), QPoint(200, 50)}};
    QPoint place(100, 120);
    for (const Step& step : steps) {
        // What the window system reports moves the window behind the form's back.
        window.setGeometry(QRect(step.reportedWhileShown, form.size()));
        form.Hide();
        window.setGeometry(QRect(step.leftWhenWithdrawn, form.size()));
        ASSERT_EQ(form.geometry().topLeft(), step.leftWhenWithdrawn);
        if (step.givenWhileHidden != none) {
            place = step.givenWhileHidden;
            form.SetBounds(place.x(), place.y(), 200, 150);
        }
        form.Show();
        QCoreApplication::processEvents();
        EXPECT_EQ(form.geometry(), QRect(place, QSize(200, 150)));
        EXPECT_EQ(form.windowHandle()->geometry().topLeft(), place);
    }
    form.Hide();
}

// A window of fixed size is fixed at it again once the program has had it maximized (full screen
// maximizes every level), whether the state changes while it is hidden or shown.
TEST(FormPlace, FixedSizeFormGrowsOnlyWhileMaximized) {
    EnsureQtApp();
    TForm form(nullptr);
    form.SetBounds(100, 120, 300, 200);
    form.SetBorderStyle(bsSingle);
    ASSERT_EQ(form.maximumSize(), QSize(300, 200));

    form.SetWindowState(wsMaximized);
    form.Show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_GT(form.width(), 300);

    form.SetWindowState(wsNormal);
    QCoreApplication::processEvents();
    EXPECT_EQ(form.minimumSize(), QSize(300, 200));
    EXPECT_EQ(form.maximumSize(), QSize(300, 200));
    EXPECT_EQ(form.size(), QSize(300, 200));

    form.Hide();
    form.SetWindowState(wsMaximized);
    form.SetWindowState(wsNormal);
    form.Show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.size(), QSize(300, 200));
    form.Hide();
}
