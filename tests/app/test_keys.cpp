// SPDX-License-Identifier: GPL-3.0-or-later
// One level at a time, Exit that does not quit behind a level, and the levels and the menu
// played with the keyboard alone.
#include "program_fixture.h"

#include "app/AnswerFocus.h"
#include "app/uColors_All.h"
#include "app/uColors_BlackWhite.h"
#include "app/uColors_BlueRedYellow.h"
#include "app/uMusic_FC.h"
#include "app/uReward.h"
#include "app/uShapes_CircleTriangle.h"
#include "controls/RzPanel.h"
#include "controls/Shapes.h"
#include "controls/XiButton.h"
#include "framework/FocusRing.h"
#include "sound/abfComponents.h"

#include <QAccessible>
#include <QApplication>

namespace {

TBitBtn* MenuButton(const char* name) {
    return frmMain->findChild<TBitBtn*>(QString::fromLatin1(name));
}

void Key(QWidget* window, Qt::Key key) {
    QTest::keyClick(window->windowHandle(), key);
}

// Walks the ring with the right arrow until it is on `answer`.
void RingTo(TActivityForm* window, TControl* answer) {
    for (int i = 0; i < 10 && window->AnswerKeys()->Current() != answer; ++i)
        Key(window, Qt::Key_Right);
    ASSERT_EQ(window->AnswerKeys()->Current(), answer);
}

// Counts the times a window goes from hidden to shown.
struct ShowCounter : QObject {
    explicit ShowCounter(QWidget* window) { window->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override {
        shows += event->type() == QEvent::Show;
        return false;
    }
    int shows = 0;
};

class Keys : public ProgramTest {
protected:
    void SetUp() override {
        ClickOn(frmMain->btnColors);
        SetFocusRingsShown(false);
    }
    void TearDown() override {
        frmMain->Player->OnPlayBefore = nullptr;
        frmMain->OnClose.Set(frmMain, &TfrmMain::FormClose);
        ProgramTest::TearDown();
    }
};

void MoveAsideAllBut(TColorActivity* w, TShape* keep) {
    for (TShape* shape : w->Shapes)
        if (shape != keep)
            shape->SetLeft(-1000);
}

} // namespace

TEST_F(Keys, OpeningALevelClosesAnyOtherAndStartsItsOwnAtQuestionOne) {
    TfrmColors_All* all = frmColors_All;
    ClickOn(MenuButton("btnColors3"));
    MoveAsideAllBut(all, all->Shapes[0]);
    ClickOn(all->Shapes[0]);
    ASSERT_EQ(CurrentStep, 2);
    // Back leaves level 3 open behind the menu.
    ClickOn(all->btnBack);
    ASSERT_TRUE(all->Visible());

    QStringList played;
    frmMain->Player->OnPlayBefore = [&played](QObject*) { played << frmMain->Player->FileName(); };
    ShowCounter shows(all);
    ClickOn(MenuButton("btnColors3"));
    EXPECT_EQ(shows.shows, 1) << "its own button brings the level up anew, roll and all";
    EXPECT_EQ(all->lblInstructions->Caption(), QStringLiteral("Click the blue Color."));
    EXPECT_EQ(played.value(played.size() - 1), QStringLiteral("sounds\\blue.wav"));

    ClickOn(all->btnBack);
    ClickOn(MenuButton("btnColors1"));
    EXPECT_TRUE(frmColors_BlackWhite->Visible());
    EXPECT_FALSE(all->Visible()) << "no level stays open behind another";

    ClickOn(MenuButton("btnColors2"));
    EXPECT_FALSE(frmColors_BlackWhite->Visible());
    MoveAsideAllBut(frmColors_BlueRedYellow, frmColors_BlueRedYellow->Shapes[0]);
    ClickOn(frmColors_BlueRedYellow->Shapes[0]);
    EXPECT_EQ(CurrentStep, 2);
}

TEST_F(Keys, ExitWithALevelOpenBringsTheMenuForwardAndQuitsOnlyFromTheFront) {
    int closes = 0;
    frmMain->OnClose = [&closes](QObject*, TCloseAction& action) {
        ++closes;
        action = caNone;
    };
    ClickOn(MenuButton("btnColors1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return frmColors_BlackWhite->isActiveWindow(); }));
    ClickOn(frmMain->btnExit);
    EXPECT_EQ(closes, 0) << "Exit beside a level's window does not quit";
    ASSERT_TRUE(QTest::qWaitFor([&] { return frmMain->isActiveWindow(); }));
    EXPECT_TRUE(frmColors_BlackWhite->Visible());

    QTest::qWait(TfrmMain::ExitClickGuardTime + 100);
    ClickOn(frmMain->btnExit);
    EXPECT_EQ(closes, 1) << "with the menu in front, Exit quits";
}

TEST_F(Keys, ColorsLevelPlaysThroughWithKeysAlone) {
    TfrmColors_BlackWhite* w = frmColors_BlackWhite;
    ClickOn(MenuButton("btnColors1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->isActiveWindow(); }));
    ASSERT_EQ(QApplication::focusWidget(), w->AnswerKeys());
    EXPECT_EQ(w->Shapes[0]->accessibleName(), QStringLiteral("black circle"));
    EXPECT_EQ(w->Shapes[1]->accessibleName(), QStringLiteral("white circle"));

    // The first arrow only shows the ring, on the first answer in reading order.
    Key(w, Qt::Key_Right);
    EXPECT_TRUE(FocusRingsShown());
    EXPECT_EQ(w->AnswerKeys()->Current(), w->AnswerKeys()->ReadingOrder().front());
    EXPECT_EQ(w->AnswerKeys()->accessibleName(), w->AnswerKeys()->Current()->accessibleName());

    RingTo(w, w->Shapes[1]);
    Key(w, Qt::Key_Return);
    EXPECT_EQ(CurrentStep, 1) << "a wrong answer by key changes nothing";

    QStringList played;
    frmMain->Player->OnPlayBefore = [&played](QObject*) { played << frmMain->Player->FileName(); };
    Key(w, Qt::Key_P);
    EXPECT_EQ(played, QStringList{QStringLiteral("sounds\\black.wav")});

    RingTo(w, w->Shapes[0]);
    Key(w, Qt::Key_Space);
    EXPECT_EQ(CurrentStep, 2);
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the white Color."));
    EXPECT_EQ(QApplication::focusWidget(), w->AnswerKeys()) << "the keys stay on the answers";

    RingTo(w, w->Shapes[1]);
    Key(w, Qt::Key_Enter);
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(frmReward->Visible());
}

TEST_F(Keys, EscapeIsBackAndArrowsFromAButtonGoToTheAnswers) {
    TfrmShapes_CircleTriangle* w = frmShapes_CircleTriangle;
    ClickOn(frmMain->btnShapes);
    ClickOn(MenuButton("btnShapes1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->isActiveWindow(); }));
    EXPECT_EQ(w->Figures[0]->accessibleName(), QStringLiteral("circle"));
    EXPECT_EQ(w->Figures[1]->accessibleName(), QStringLiteral("triangle"));

    w->btnRandomize->setFocus();
    Key(w, Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), w->AnswerKeys());
    Key(w, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->btnPlay) << "Tab goes on from the answers to the buttons";
    Key(w, Qt::Key_Escape);
    EXPECT_FALSE(w->Visible());
}

TEST_F(Keys, ReadingOrderIsRowByRowFromTheLeft) {
    TfrmColors_BlueRedYellow* w = frmColors_BlueRedYellow;
    ClickOn(MenuButton("btnColors2"));
    const struct {
        QPoint places[3];
        int order[3];
    } cases[] = {
        {{{200, 10}, {10, 30}, {100, 200}}, {1, 0, 2}}, // a row of two, tops a little apart
        {{{10, 200}, {10, 100}, {10, 0}}, {2, 1, 0}},   // one column
        {{{300, 0}, {150, 0}, {0, 0}}, {2, 1, 0}},      // one row
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 3; ++i)
            w->Shapes[i]->SetBounds(c.places[i].x(), c.places[i].y(), 80, 80);
        const std::vector<TControl*> order = w->AnswerKeys()->ReadingOrder();
        ASSERT_EQ(order.size(), 3u);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(order[i], w->Shapes[c.order[i]]) << "case " << (&c - cases) << ", place " << i;
    }
}

TEST_F(Keys, TheRingIsAThickBandInTheFocusColourRoundTheAnswer) {
    TfrmColors_BlackWhite* w = frmColors_BlackWhite;
    ClickOn(MenuButton("btnColors1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->isActiveWindow(); }));
    TAnswerFocus* ring = w->AnswerKeys();
    // `d` pixels out from the answer's middle row, on the side where the window has room.
    auto pixelAt = [&](int d) {
        const TControl* answer = ring->Current();
        const QPoint left = answer->mapTo(w, QPoint(0, answer->height() / 2));
        const QPoint p = left.x() > 20 ? left + QPoint(d, 0) : left + QPoint(answer->width() - 1 - d, 0);
        return w->grab().toImage().pixelColor(p).rgb() & 0xFFFFFF;
    };
    const QRgb panel = pixelAt(-TAnswerFocus::Gap - TAnswerFocus::RingWidth / 2);
    EXPECT_NE(panel, 0xFF8040u) << "no ring before a key";

    Key(w, Qt::Key_Down);
    const QRgb focus = ToQColor(clFocusRing).rgb() & 0xFFFFFF;
    EXPECT_EQ(focus, 0xFF8040u);
    for (int band = 2; band < TAnswerFocus::RingWidth - 1; ++band)
        EXPECT_EQ(pixelAt(-TAnswerFocus::Gap - band), focus) << band;
    EXPECT_EQ(pixelAt(-TAnswerFocus::Gap - TAnswerFocus::RingWidth), 0x000000u) << "black outer edge";
    EXPECT_NE(pixelAt(-TAnswerFocus::Gap + 1), focus) << "the answer itself stays as it is";

    // A click of the mouse puts the rings away again.
    ClickOn(w->pnlMid, QPoint(1, 1));
    EXPECT_FALSE(FocusRingsShown());
    EXPECT_EQ(pixelAt(-TAnswerFocus::Gap - TAnswerFocus::RingWidth / 2), panel);
}

TEST_F(Keys, MenuArrowsWalkCategoriesLevelsAndExitAndEnterPresses) {
    frmMain->Show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return frmMain->isActiveWindow(); }));
    frmMain->btnColors->setFocus();
    const std::vector<QWidget*> expected{
        frmMain->btnShapes,       frmMain->btnMusic, MenuButton("btnColors1"), MenuButton("btnColors2"),
        MenuButton("btnColors3"), frmMain->btnExit,  frmMain->btnColors};
    for (QWidget* next : expected) {
        Key(frmMain, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
    Key(frmMain, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), frmMain->btnExit);
    EXPECT_TRUE(FocusRingsShown());

    // The focused button wears the ring.
    MenuButton("btnColors2")->setFocus();
    const QImage button = MenuButton("btnColors2")->grab().toImage();
    EXPECT_EQ(button.pixelColor(1, button.height() / 2).rgb() & 0xFFFFFF, 0xFF8040u);
    EXPECT_EQ(frmMain->btnExit->accessibleName(), QStringLiteral("Exit"));
    EXPECT_EQ(MenuButton("btnColors2")->accessibleName(), QStringLiteral("Colors level 2"));

    Key(frmMain, Qt::Key_Return);
    EXPECT_TRUE(frmColors_BlueRedYellow->Visible());
    EXPECT_EQ(CurrentStep, 1);
}

TEST_F(Keys, EveryButtonOfEveryWindowIsANamedPushButton) {
    int buttons = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (TControl* control : window->findChildren<TControl*>()) {
            if (!qobject_cast<TBitBtn*>(control) && !qobject_cast<TXiButton*>(control))
                continue;
            ++buttons;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(face, nullptr);
            EXPECT_EQ(face->role(), QAccessible::Button) << control->objectName().toStdString();
            EXPECT_FALSE(face->text(QAccessible::Name).isEmpty()) << control->objectName().toStdString();
        }
    EXPECT_GT(buttons, 20);
}

// Each showing of a music question sounds its note and waits a second, so this runs a few seconds.
TEST_F(Keys, MusicLevelPlaysThroughWithKeysAlone) {
    TMusicActivity* w = frmMusic_FC;
    ClickOn(frmMain->btnMusic);
    ClickOn(MenuButton("btnMusic1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w->isActiveWindow(); }));
    const std::vector<TControl*> notes = w->AnswerKeys()->ReadingOrder();
    ASSERT_EQ(notes.size(), 2u);
    EXPECT_EQ(notes[0]->accessibleName(), QStringLiteral("note F"));
    EXPECT_EQ(notes[1]->accessibleName(), QStringLiteral("note C"));
    Key(w, Qt::Key_Right);
    Key(w, Qt::Key_Return);
    EXPECT_EQ(CurrentStep, 2);
    RingTo(w, notes[1]);
    Key(w, Qt::Key_Return);
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(frmReward->Visible());
}
