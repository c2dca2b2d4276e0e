// SPDX-License-Identifier: GPL-3.0-or-later
// The controls as window layouts write them: every class registered, every stored value of the
// game's layouts accepted, and values applied in declared order, not in the order written.
#include "controls/RegisterControls.h"
#include "controls/RzBckgnd.h"
#include "controls/RzLabel.h"
#include "controls/RzPanel.h"
#include "controls/RzRadChk.h"
#include "controls/Shapes.h"
#include "controls/XiButton.h"
#include "controls/XiPanel.h"
#include "framework/LayoutReader.h"
#include "tests/framework/qt_app.h"

#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

template <class T> T* Find(QObject& root, const char* name) {
    T* found = root.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

} // namespace

TEST(ControlLayouts, StoredValuesReachTheControls) {
    EnsureQtApp();
    RegisterControlClasses();
    TCustomControl root(nullptr);
    ReadLayoutText(&root,
                   "object frmTest: TCustomControl\n"
                   "  object pnlMid: TRzPanel\n"
                   "    Align = alClient\n"
                   "    Color = $00E6F0F2\n"
                   "    ShowGrid = True\n"
                   "    GridColor = $00A6CAF0\n"
                   "    GridStyle = gsDottedLines\n"
                   "    GridXSize = 12\n"
                   "    GridYSize = 12\n"
                   "    BorderSides = [sdLeft, sdTop]\n"
                   "    object shpShape1: TTriangleShape\n"
                   "      Pen.Width = 2\n"
                   "      Brush.Color = clBlack\n"
                   "      Shadow = True\n"
                   "      ShadowOffset = 3\n"
                   "      ShadowColor = clBtnShadow\n"
                   "      DragCursor = crHandPoint\n"
                   "      DragMode = dmAutomatic\n"
                   "    end\n"
                   "    object objHint: TRzPanel\n"
                   "      BorderOuter = fsGroove\n"
                   "      BorderInner = fsLowered\n"
                   "    end\n"
                   "  end\n"
                   "  object btnColors: TXiButton\n"
                   "    ColorScheme = csNeoDesert\n"
                   "    ColorFace = clRed\n"
                   "    OverColorGrad = 41968\n"
                   "    Layout = blGlyphRight\n"
                   "    Gradient = True\n"
                   "  end\n"
                   "  object pnlBottom: TXiPanel\n"
                   "    ColorScheme = csDesert\n"
                   "    ColorFace = clRed\n"
                   "    FillDirection = fdDiagonal\n"
                   "    BevelWidth = 0\n"
                   "  end\n"
                   "  object oWallPaper1: TRzBackground\n"
                   "    ShowTexture = True\n"
                   "    ShowImage = True\n"
                   "    ShowGradient = False\n"
                   "    ImageStyle = isTiled\n"
                   "  end\n"
                   "  object chkHints: TRzCheckBox\n"
                   "    Caption = 'Show Hints'\n"
                   "    Checked = True\n"
                   "    State = cbChecked\n"
                   "    Transparent = True\n"
                   "  end\n"
                   "  object urlCopyright: TRzURLLabel\n"
                   "    Transparent = True\n"
                   "    LightTextStyle = True\n"
                   "    TextStyle = tsRecessed\n"
                   "    URL = 'https://tovimar.example/'\n"
                   "    Font.Color = clBtnShadow\n"
                   "  end\n"
                   "  object circle: TCircleShape\n"
                   "  end\n"
                   "  object square: TSquareShape\n"
                   "  end\n"
                   "  object label: TRzLabel\n"
                   "    BorderOuter = fsFlatRounded\n"
                   "  end\n"
                   "end\n",
                   QStringLiteral("uTest.layout"));

    auto* field = Find<TRzPanel>(root, "pnlMid");
    EXPECT_EQ(field->GridStyle(), TRzPanel::gsDottedLines);
    EXPECT_EQ(field->GridXSize(), 12);
    EXPECT_EQ(field->BorderSides(), TSides(sdLeft | sdTop));
    EXPECT_TRUE(field->ShowGrid());
    auto* triangle = Find<TTriangleShape>(root, "shpShape1");
    EXPECT_EQ(triangle->Pen()->Width(), 2);
    EXPECT_EQ(triangle->ShadowOffset(), 3u);
    // The drag settings are kept though the game never drags; the drag events can be bound.
    EXPECT_EQ(triangle->DragCursor(), crHandPoint);
    EXPECT_EQ(triangle->DragMode(), dmAutomatic);
    auto* circle = Find<TCircleShape>(root, "circle");
    EXPECT_EQ(circle->DragCursor(), crDrag);
    EXPECT_EQ(circle->DragMode(), dmManual);
    for (const char* event : {"OnDragDrop", "OnDragOver", "OnEndDrag", "OnStartDrag", "OnMouseMove"})
        EXPECT_NE(TComponentBase::From(circle)->FindEvent(QString::fromLatin1(event)), nullptr) << event;
    EXPECT_EQ(Find<TRzPanel>(root, "objHint")->BorderInner(), fsLowered);

    // Colours come before the scheme in declared order, so the stored scheme wins.
    auto* button = Find<TXiButton>(root, "btnColors");
    EXPECT_EQ(button->ColorScheme(), TXiButton::csNeoDesert);
    EXPECT_EQ(button->ColorFace(), 0xC6ECFF);
    EXPECT_EQ(button->Layout(), blGlyphRight);
    auto* bar = Find<TXiPanel>(root, "pnlBottom");
    EXPECT_EQ(bar->ColorFace(), clWhite);
    EXPECT_EQ(bar->FillDirection(), TXiPanel::fdDiagonal);

    auto* wallpaper = Find<TRzBackground>(root, "oWallPaper1");
    EXPECT_TRUE(wallpaper->ShowTexture());
    EXPECT_TRUE(wallpaper->ShowImage());
    EXPECT_FALSE(wallpaper->ShowGradient());
    EXPECT_EQ(wallpaper->ImageStyle(), TRzBackground::isTiled);

    EXPECT_TRUE(Find<TRzCheckBox>(root, "chkHints")->Checked());
    auto* link = Find<TRzURLLabel>(root, "urlCopyright");
    EXPECT_EQ(link->TextStyle(), tsRecessed);
    EXPECT_EQ(link->URL(), QStringLiteral("https://tovimar.example/"));
    EXPECT_EQ(link->Font()->Color(), clBtnShadow);
    EXPECT_EQ(Find<TRzLabel>(root, "label")->BorderOuter(), fsFlatRounded);
}

namespace {

// A window with one focused control, for keyboard input.
template <class T> class TFocusedHost {
public:
    TFocusedHost() : host(nullptr) {
        host.SetBounds(0, 0, 200, 80);
        control = new T(&host);
        control->SetParent(&host);
        host.show();
        host.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&host));
        control->SetFocus();
    }
    TCustomControl host;
    T* control;
};

} // namespace

TEST(ControlKeys, SpaceTogglesTheCheckBoxUnlessEscapeCancels) {
    EnsureQtApp();
    TFocusedHost<TRzCheckBox> window;
    TRzCheckBox& box = *window.control;
    ASSERT_TRUE(box.Focused());
    QTest::keyPress(&box, Qt::Key_Space);
    EXPECT_FALSE(box.Checked()) << "toggles on release";
    QTest::keyRelease(&box, Qt::Key_Space);
    EXPECT_TRUE(box.Checked());

    QTest::keyPress(&box, Qt::Key_Space);
    QTest::keyClick(&box, Qt::Key_Escape);
    QTest::keyRelease(&box, Qt::Key_Space);
    EXPECT_TRUE(box.Checked());
}

TEST(ControlKeys, SpaceAndEnterClickTheButton) {
    EnsureQtApp();
    TFocusedHost<TXiButton> window;
    TXiButton& button = *window.control;
    int clicks = 0;
    button.OnClick = [&](QObject*) { ++clicks; };
    ASSERT_TRUE(button.Focused());
    QTest::keyPress(&button, Qt::Key_Space);
    EXPECT_EQ(button.State(), TXiButton::TButtonState::Down);
    QTest::keyRelease(&button, Qt::Key_Space);
    EXPECT_EQ(button.State(), TXiButton::TButtonState::Normal);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(&button, Qt::Key_Return);
    EXPECT_EQ(clicks, 2);
}
