// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakes.h"
#include "framework/Forms.h"
#include "transitions/teForm.h"
#include "transitions/teRoll.h"

#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A form with a roll as its show transition, placed at `place` on the screen.
struct RollingForm {
    explicit RollingForm(QRect place, TColor colour = 0x00FF00) : form(new TForm(nullptr)) {
        form->SetBounds(place.x(), place.y(), place.width(), place.height());
        form->SetColor(colour);
        transitions = new TFormTransitions(form.get());
        roll = new TRollTransition(form.get());
        roll->SetDirection(te::tedRight);
        transitions->SetShowTransition(roll);
    }
    ~RollingForm() { form->Hide(); }
    std::unique_ptr<TForm> form;
    TFormTransitions* transitions;
    TRollTransition* roll;
};

class FormShow : public ::testing::Test {
protected:
    FormShow() { EnsureQtApp(); }
    FakeClock clock;
    FakeDisplay display;
};

} // namespace

TEST_F(FormShow, ShowHandlerRunsBeforeAnyImageAndEventsFollowTheAnimation) {
    RollingForm f(QRect(10, 10, 80, 40));
    f.form->OnShow = [&](QObject*) { display.log.push_back("OnShow"); };
    f.roll->OnEndTransition = [&](QObject*) {
        display.log.push_back("end");
        EXPECT_TRUE(display.last->Visible());
        EXPECT_TRUE(TTransitionEffect::TransitionRunning());
    };
    f.roll->OnAfterTransition = [&](QObject*) {
        display.log.push_back("after");
        EXPECT_FALSE(display.last->Visible());
        EXPECT_FALSE(TTransitionEffect::TransitionRunning());
    };
    f.form->Show();
    EXPECT_EQ(display.log, (std::vector<std::string>{"OnShow", "grab", "render", "end", "after"}));
    EXPECT_EQ(display.last->place, f.form->geometry());
    // The last frame is the form as it shows itself.
    EXPECT_EQ(display.last->screen, f.form->grab().toImage().convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(f.form->isVisible());

    // Closed and shown again, it rolls in again; shown while visible, it does not.
    f.form->Hide();
    f.form->Show();
    f.form->Show();
    EXPECT_EQ(display.surfaces.size(), 2u);
}

TEST_F(FormShow, WindowShownDuringAnotherTransitionAppearsWithoutOne) {
    RollingForm first(QRect(10, 10, 80, 40)), fromEnd(QRect(100, 10, 80, 40)),
        fromShow(QRect(200, 10, 80, 40));
    bool fromEndAfter = false;
    fromEnd.roll->OnAfterTransition = [&](QObject*) { fromEndAfter = true; };
    first.form->OnShow = [&](QObject*) { fromShow.form->Show(); };
    first.roll->OnEndTransition = [&](QObject*) { fromEnd.form->Show(); };
    first.form->Show();
    EXPECT_EQ(display.surfaces.size(), 1u);
    EXPECT_TRUE(fromEnd.form->isVisible());
    EXPECT_TRUE(fromShow.form->isVisible());
    EXPECT_FALSE(fromEndAfter);
    EXPECT_FALSE(TTransitionEffect::TransitionRunning());

    // Shown again later, they get their own.
    fromEnd.form->Hide();
    fromEnd.form->Show();
    EXPECT_TRUE(fromEndAfter);
    EXPECT_EQ(display.surfaces.size(), 2u);
}

TEST_F(FormShow, ExceptionFromTheEndHandlerReachesTheCallerAndLeavesNothingBehind) {
    for (const bool fromAfter : {false, true}) {
        RollingForm f(QRect(10, 10, 80, 40));
        auto raise = [](QObject*) { throw std::runtime_error("handler failed"); };
        if (fromAfter)
            f.roll->OnAfterTransition = raise;
        else
            f.roll->OnEndTransition = raise;
        EXPECT_THROW(f.form->Show(), std::runtime_error);
        EXPECT_FALSE(TTransitionEffect::TransitionRunning());
        EXPECT_FALSE(display.last->Visible());
        EXPECT_TRUE(f.form->isVisible());
        EXPECT_EQ(f.roll->PassSetting(), te::teOnePass);
        // The next showing runs normally.
        f.roll->OnEndTransition.Clear();
        f.roll->OnAfterTransition.Clear();
        f.form->Hide();
        const std::size_t before = display.surfaces.size();
        f.form->Show();
        EXPECT_EQ(display.surfaces.size(), before + 1);
    }
}

TEST_F(FormShow, DisabledTransitionShowsTheFormPlainly) {
    RollingForm f(QRect(10, 10, 80, 40));
    bool after = false;
    f.roll->OnAfterTransition = [&](QObject*) { after = true; };
    f.roll->SetEnabled(false);
    f.form->Show();
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_TRUE(display.surfaces.empty());
    EXPECT_FALSE(after);

    // Without a show transition the form appears in one flicker-free step.
    f.form->Hide();
    f.transitions->SetShowTransition(nullptr);
    f.form->Show();
    ASSERT_EQ(display.surfaces.size(), 1u);
    EXPECT_EQ(display.last->screen, f.form->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(FormShow, OldImageOnABlackReadingScreenIsComposedFromTheProgramsWindows) {
    // Like XWayland: every read of the screen is black, even over our own windows.
    RollingForm menu(QRect(100, 100, 300, 200), 0x0000FF);
    auto* panel = new QWidget(menu.form.get());
    panel->setGeometry(200, 40, 100, 60);
    panel->setAutoFillBackground(true);
    panel->setPalette(QPalette(Qt::yellow));
    menu.form->Show();

    RollingForm level(QRect(350, 150, 100, 100), 0xFF00FF);
    level.form->Show();
    const QImage old = display.last->shownOver;
    ASSERT_EQ(old.size(), QSize(100, 100));
    // Left half: the menu (x 250 to 299 of it, with its yellow panel); right half: beyond
    // the menu, the level window's own background stands in.
    const QImage menuPart =
        menu.form->grab(QRect(250, 50, 50, 100)).toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(old.copy(0, 0, 50, 100).convertToFormat(QImage::Format_RGB32), menuPart);
    EXPECT_EQ(old.pixel(10, 10) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(old.pixel(75, 50) & 0xFFFFFF, 0xFF00FFu);
    EXPECT_EQ(old.pixel(10, 95) & 0xFFFFFF, 0xFF0000u); // the menu's red below the panel

    // Roll frames start from that picture: half-way, the part ahead of the band is it.
    EXPECT_EQ(display.last->screen, level.form->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(FormShow, BlackDesktopStaysBlackAndOnlyAFailedReadIsReplaced) {
    // Nothing of ours lies under the window: a black read is the desktop as it is.
    display.screen = Solid(100, 100, 0xFF000000);
    RollingForm level(QRect(350, 150, 100, 100), 0xFF00FF);
    level.form->Show();
    const QImage black = display.last->shownOver.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(black, Solid(100, 100, 0xFF000000));

    // A read that fails shows nothing true: the window's own background stands in.
    level.form->Hide();
    display.refused = true;
    level.form->Show();
    const QImage refused = display.last->shownOver.convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(refused, Solid(100, 100, 0xFFFF00FF));
}

TEST_F(FormShow, UnderACompositorTheDesktopShowsThroughWhereTheWindowWasPlaced) {
    display.composited = true;
    RollingForm menu(QRect(100, 100, 300, 200), 0x0000FF);
    menu.form->Show();

    // Asked for at (350, 150); the window manager puts it 2 right and 27 lower, and the
    // render window follows it there before the first frame.
    RollingForm level(QRect(350, 150, 100, 100), 0xFF00FF);
    display.placed = QRect(352, 177, 100, 100);
    level.form->Show();
    EXPECT_EQ(display.last->place, display.placed);
    EXPECT_EQ(display.last->shown, 2);
    const QImage old = display.last->shownOver;
    ASSERT_EQ(old.size(), QSize(100, 100));
    // Over the menu (its x 252 to 299) the menu; beyond it nothing: the compositor shows
    // what lies behind.
    EXPECT_EQ(old.pixel(10, 10), 0xFFFF0000u);
    EXPECT_EQ(old.pixel(47, 99), 0xFFFF0000u);
    EXPECT_EQ(old.pixel(48, 10), 0u);
    EXPECT_EQ(old.pixel(99, 99), 0u);
    // The last frame, the whole window, was on screen before the render window went.
    EXPECT_GE(display.last->waits, 1);
    EXPECT_EQ(display.last->screen, level.form->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

TEST_F(FormShow, UnderACompositorsShellTheNextWindowIsRevealedWhereTheLastOneWasPutRelativeToItsAsk) {
    // The shell places a window only after its transition, 6 right and 27 lower than asked.
    display.composited = true;
    RollingForm menu(QRect(100, 100, 300, 200));
    menu.form->Show();
    EXPECT_EQ(display.last->place, QRect(100, 100, 300, 200));
    menu.form->setGeometry(106, 127, 300, 200);
    QCoreApplication::processEvents();

    RollingForm level(QRect(350, 150, 100, 100));
    level.form->Show();
    EXPECT_EQ(display.last->place, QRect(356, 177, 100, 100));
    TTransitionEffect::SetShellOffset({});
}

TEST_F(FormShow, UnderACompositorTheFramesAreDrawnInsideTheWindowWhereverItsShellPutsIt) {
    display.composited = true;
    display.hosting = true;
    RollingForm menu(QRect(100, 100, 300, 200), 0x0000FF);
    menu.form->Show();
    EXPECT_EQ(display.last->host, menu.form.get());
    EXPECT_EQ(display.last->place, QRect(0, 0, 300, 200));
    // Nothing of ours lay beneath: the desktop shows through the parts not yet revealed.
    EXPECT_EQ(display.last->shownOver.pixel(150, 100), 0u);
    EXPECT_EQ(display.last->screen, menu.form->grab().toImage().convertToFormat(QImage::Format_RGB32));
    // Its shell put it 6 right and 27 lower than asked, seen once the transition was over.
    menu.form->setGeometry(106, 127, 300, 200);
    QCoreApplication::processEvents();

    // The next window stays the render window's host; what lay beneath it is taken where the
    // shell will put it: over the menu's x 356 to 405 the menu, beyond it nothing.
    RollingForm level(QRect(350, 150, 100, 100), 0xFF00FF);
    level.form->Show();
    EXPECT_EQ(display.last->host, level.form.get());
    EXPECT_EQ(display.last->place, QRect(0, 0, 100, 100));
    const QImage old = display.last->shownOver;
    EXPECT_EQ(old.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(old.pixel(49, 99), 0xFFFF0000u);
    EXPECT_EQ(old.pixel(50, 0), 0u);
    EXPECT_EQ(display.last->screen, level.form->grab().toImage().convertToFormat(QImage::Format_RGB32));
    TTransitionEffect::SetShellOffset({});
}

TEST_F(FormShow, SecondComponentOnAFormIsRefused) {
    RollingForm f(QRect(10, 10, 80, 40));
    try {
        new TFormTransitions(f.form.get());
        FAIL() << "a second component was accepted";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "Only one FormTransitions component is allowed per form");
    }
}

// A form announces its end (WM_DESTROY) before its parts go; the component lets go of it then,
// so that it never has to ask the form anything later, when only part of it is left.
TEST_F(FormShow, ComponentLetsGoOfAFormThatAnnouncesItsEnd) {
    RollingForm f(QRect(10, 10, 80, 40));
    f.form->Perform(WM_DESTROY);
    f.form->Show();
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_TRUE(display.surfaces.empty());
    delete f.transitions;
    f.form->Hide();
    f.form->Show();
    EXPECT_TRUE(display.surfaces.empty());
}

namespace {
class ClickCounter : public QWidget {
public:
    using QWidget::QWidget;
    int clicks = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++clicks; }
};
} // namespace

// Like a Music question: the end handler waits and then handles the messages that came
// meanwhile; a click made then lands on the render window, which still covers the form.
TEST(FormShowOnScreen, ClicksDuringTheEndHandlerAreLostOnTheRenderWindow) {
    EnsureQtApp();
    RollingForm f(QRect(10, 10, 120, 80));
    f.roll->SetMilliseconds(50);
    auto* target = new ClickCounter(f.form.get());
    target->setGeometry(20, 20, 40, 40);
    bool covered = false;
    f.roll->OnEndTransition = [&](QObject*) {
        for (QWindow* window : QGuiApplication::topLevelWindows())
            if (window->title() == QStringLiteral("teRenderWindow") && window->isVisible()) {
                covered = window->geometry() == f.form->geometry();
                QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
            }
        QCoreApplication::processEvents();
    };
    f.form->Show();
    EXPECT_TRUE(covered);
    EXPECT_EQ(target->clicks, 0);
    QTest::mouseClick(f.form->windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 40));
    EXPECT_EQ(target->clicks, 1);
}
