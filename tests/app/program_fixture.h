// SPDX-License-Identifier: GPL-3.0-or-later
// The whole program, created once for all tests of this folder: application, resources,
// classes and the eleven windows, with the main menu shown as at start.
#pragma once

#include "app/Activity.h"
#include "app/Program.h"
#include "app/uMain.h"
#include "framework/Forms.h"

#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

// The main menu as the program started, before any test pressed one of its buttons.
struct StartingMenu {
    TTabSheet* page = nullptr;
    int pageIndex = -1;
    int tickLeft = 0;
    int tickTop = 0;
};
inline StartingMenu& MenuAtStart() {
    static StartingMenu menu;
    return menu;
}

inline void StartProgramOnce() {
    static TApplication* application = [] {
        static int argc = 1;
        static char name[] = "tovimar-plumkin";
        static char* argv[] = {name, nullptr};
        auto* app = new TApplication(argc, argv);
        PrepareProgram(*app);
        app->SetTitle(QStringLiteral("Tovimar Plumkin"));
        CreateWindows(*app);
        app->MainForm()->Show();
        MenuAtStart() = {frmMain->pgPages->ActivePage(), frmMain->pgPages->ActivePageIndex(),
                         frmMain->imgTick->Left(), frmMain->imgTick->Top()};
        return app;
    }();
    (void)application;
}

// A real mouse press and release at a control's centre (or at `offset` inside it), routed
// by the window like input from the user.
inline void ClickOn(TControl* control, QPoint offset = QPoint(-1, -1)) {
    QWidget* window = control->window();
    if (offset.x() < 0)
        offset = QPoint(control->Width() / 2, control->Height() / 2);
    const QPoint at = control->mapTo(window, offset);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

class ProgramTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartProgramOnce(); }
    void TearDown() override {
        // Every test starts from the main menu alone.
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TForm*>(window); form && form != frmMain && form->Visible())
                form->Hide();
    }
};
