// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "app/uColors_BlackWhite.h"
#include "controls/RzPanel.h"
#include "controls/XiButton.h"
#include "tests/transitions/fakes.h"

namespace {

// Where the window system puts a maximized window: asked of a plain window, maximized.
QRect WindowSystemMaximizedArea() {
    QWidget probe;
    probe.showMaximized();
    QCoreApplication::processEvents();
    const QRect area = probe.geometry();
    probe.hide();
    return area;
}

class MaximizedLevel : public ProgramTest {
protected:
    void SetUp() override {
        area_ = WindowSystemMaximizedArea();
        saved_ = TForm::MaximizedArea;
        TForm::MaximizedArea = [this](const TForm&) { return area_; };
        clock_.tick = 20000;
    }
    void TearDown() override {
        ProgramTest::TearDown();
        frmColors_BlackWhite->SetWindowState(wsNormal);
        TForm::MaximizedArea = saved_;
    }

    // Opens Colors 1 with the roll drawn on a stand-in display.
    void Open() {
        ClickOn(frmMain->btnColors);
        ClickOn(frmMain->findChild<TControl*>(QStringLiteral("btnColors1")));
        ASSERT_TRUE(frmColors_BlackWhite->Visible());
    }

    static void ExpectCirclesOnTheField(TfrmColors_BlackWhite* level) {
        const QRect field(0, 0, level->pnlMid->Width(), level->pnlMid->Height());
        for (TShape* circle : level->Shapes)
            EXPECT_TRUE(field.contains(circle->BoundsRect().ToQRect())) << circle->BoundsRect().ToQRect().x();
    }

    QRect area_;
    std::function<QRect(const TForm&)> saved_;
    FakeClock clock_;
    FakeDisplay display_;
};

} // namespace

// Opened maximized (full screen, or maximized by the user before), the level takes its maximized
// place and is laid out for it before it rolls in: the roll covers that place and ends on the
// finished window, which then stays where it is.
TEST_F(MaximizedLevel, RollsInAtItsMaximizedPlaceLaidOutForIt) {
    TfrmColors_BlackWhite* level = frmColors_BlackWhite;
    Open();
    const QRect own = level->geometry();
    level->Hide();
    ASSERT_GT(area_.width(), own.width() + 10);
    ASSERT_GT(area_.height(), own.height() + 10);
    for (int opening = 1; opening <= 2; ++opening) {
        SCOPED_TRACE(opening);
        level->SetWindowState(wsMaximized);
        Open();
        ASSERT_TRUE(display_.last);
        EXPECT_EQ(display_.last->place, area_);
        EXPECT_EQ(level->geometry(), area_);
        // The last frame is the finished window at its full size.
        EXPECT_EQ(display_.last->screen, level->grab().toImage().convertToFormat(QImage::Format_RGB32));
        EXPECT_EQ(level->pnlMid->Width(), area_.width());
        // Every control scaled by the client size's ratio to the designed 642 x 466.
        for (TShape* circle : level->Shapes) {
            EXPECT_NEAR(circle->Width(), 170.0 * area_.width() / 642, 2);
            EXPECT_NEAR(circle->Height(), 170.0 * area_.height() / 466, 2);
        }
        ExpectCirclesOnTheField(level);
        QCoreApplication::processEvents();
        EXPECT_EQ(level->geometry(), area_);
        level->Hide();
    }

    // Un-maximized while hidden, it opens at its own size again.
    level->SetWindowState(wsNormal);
    Open();
    EXPECT_EQ(level->geometry(), own);
    EXPECT_EQ(display_.last->place, level->geometry());
    ExpectCirclesOnTheField(level);
}

// A size given to the hidden window reaches its layout before the show handler places the circles.
TEST_F(MaximizedLevel, SizeGivenWhileHiddenIsLaidOutBeforeTheCirclesArePlaced) {
    TfrmColors_BlackWhite* level = frmColors_BlackWhite;
    // Shown once before, so that its first sizing on the screen is over.
    level->SetWindowState(wsMaximized);
    Open();
    level->Hide();
    level->SetWindowState(wsNormal);
    Open();
    const QRect own = level->BoundsRect().ToQRect();
    const int circle = level->Shapes[0]->Width();
    level->Hide();
    level->SetBounds(own.x(), own.y(), own.width() + 100, own.height() + 60);
    Open();
    EXPECT_EQ(display_.last->place.size(), own.size() + QSize(100, 60));
    for (TShape* shape : level->Shapes)
        EXPECT_NEAR(shape->Width(), double(circle) * (own.width() + 100) / own.width(), 2);
    ExpectCirclesOnTheField(level);
    level->Hide();
    level->SetBounds(own.x(), own.y(), own.width(), own.height());
}
