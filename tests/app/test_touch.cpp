// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "app/uColors_BlackWhite.h"
#include "app/uMusic_FC.h"
#include "app/uShapes_CircleTriangle.h"
#include "controls/Shapes.h"
#include "controls/XiButton.h"

#include <QPointingDevice>

namespace {

// A finger put down on `control`'s centre and lifted again, sent to its window as a touch
// screen reports it.
void Tap(TControl* control) {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    QWidget* window = control->window();
    const QPoint at = control->mapTo(window, QPoint(control->Width() / 2, control->Height() / 2));
    QTest::touchEvent(window->windowHandle(), screen).press(0, at);
    QTest::touchEvent(window->windowHandle(), screen).release(0, at);
}

} // namespace

using Touch = ProgramTest;

TEST_F(Touch, TapOnTheMenuAndOnTheAskedCircleFigureOrNoteAnswersAsAClick) {
    struct Case {
        TXiButton* category;
        const char* level;
        TForm* window;
        std::function<TControl*()> asked;
    };
    const Case cases[] = {
        {frmMain->btnColors, "btnColors1", frmColors_BlackWhite,
         []() -> TControl* { return frmColors_BlackWhite->Shapes[0]; }},
        {frmMain->btnShapes, "btnShapes1", frmShapes_CircleTriangle,
         []() -> TControl* { return frmShapes_CircleTriangle->Figures[1]; }},
        {frmMain->btnMusic, "btnMusic1", frmMusic_FC,
         [] { return frmMusic_FC->findChild<TControl*>(QStringLiteral("lblF")); }},
    };
    for (const Case& c : cases) {
        Tap(c.category);
        Tap(frmMain->findChild<TControl*>(QString::fromLatin1(c.level)));
        ASSERT_TRUE(c.window->Visible()) << c.level;
        EXPECT_EQ(CurrentStep, 1) << c.level;
        Tap(c.asked());
        EXPECT_EQ(CurrentStep, 2) << c.level;
        c.window->Close();
    }
}
