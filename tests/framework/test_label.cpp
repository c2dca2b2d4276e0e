// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Forms.h"
#include "framework/StdCtrls.h"
#include "tests/framework/qt_app.h"

#include <gtest/gtest.h>

namespace {

// The size an auto-sized label with this text and font takes when nothing puts its measuring off.
QSize MeasuredAlone(const QString& text, int fontSize) {
    EnsureQtApp();
    TLabel label(nullptr);
    label.Font()->SetSize(fontSize);
    label.SetCaption(text);
    return {label.Width(), label.Height()};
}

TLabel* LabelOn(TForm& form, int left, int width) {
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    label->SetBounds(left, 10, width, 17);
    label->Font()->SetSize(20);
    return label;
}

} // namespace

// A window's labels are measured when it first shows, with what they hold by then: a caption
// set while hidden, and a right-aligned label's right edge. Until then they keep their bounds.
TEST(Label, OnAWindowNotYetShownTakesItsTextsSizeWhenTheWindowShows) {
    EnsureQtApp();
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 200);
    TLabel* left = LabelOn(form, 20, 65);
    TLabel* right = LabelOn(form, 100, 200);
    right->SetAlignment(taRightJustify);
    left->SetCaption(QStringLiteral("Click the blue Color."));
    right->SetCaption(QStringLiteral("Level 2"));
    EXPECT_EQ(left->BoundsRect().ToQRect(), QRect(20, 10, 65, 17));

    form.Show();
    const QSize leftSize = MeasuredAlone(QStringLiteral("Click the blue Color."), 20);
    const QSize rightSize = MeasuredAlone(QStringLiteral("Level 2"), 20);
    EXPECT_EQ(left->BoundsRect().ToQRect(), QRect(QPoint(20, 10), leftSize));
    EXPECT_EQ(right->BoundsRect().ToQRect(), QRect(QPoint(300 - rightSize.width(), 10), rightSize));
    EXPECT_GT(leftSize.width(), 65);

    // Once shown, a hidden window measures at once.
    form.Hide();
    left->SetCaption(QStringLiteral("Click the red Color."));
    EXPECT_EQ(left->Width(), MeasuredAlone(QStringLiteral("Click the red Color."), 20).width());
}

// A word-wrapped label's measure depends on the width the last one left: it is never put off.
TEST(Label, WordWrappedIsMeasuredAtOnceEvenOnAHiddenWindow) {
    EnsureQtApp();
    TForm form(nullptr);
    TLabel* label = LabelOn(form, 20, 120);
    label->SetWordWrap(true);
    label->SetCaption(QStringLiteral("Click the yellow Color, then the green one."));
    EXPECT_GT(label->Height(), 17);
    EXPECT_LE(label->Width(), 120);
}

// A text wider than the room it may take is drawn smaller, down to two thirds of the label's
// font, and then broken between words onto more lines; the label's own font is kept.
TEST(Label, TooWideForItsRoomGetsASmallerFontThenASecondLine) {
    EnsureQtApp();
    const QString text = QStringLiteral("Klicke auf die Note F.");
    TLabel label(nullptr);
    label.Font()->SetHeight(-20);
    label.SetCaption(text);
    const QSize natural(label.Width(), label.Height());

    label.SetFitWidth(natural.width());
    EXPECT_EQ(QSize(label.Width(), label.Height()), natural) << "a text that fits stays as it is";

    const int room = natural.width() * 9 / 10;
    label.SetFitWidth(room);
    EXPECT_LE(label.Width(), room);
    EXPECT_GT(label.Width(), room * 9 / 10) << "no smaller than needed";
    EXPECT_LT(label.Height(), natural.height()) << "one line of a smaller font";
    EXPECT_EQ(label.Font()->Height(), -20);

    const int narrow = natural.width() / 2;
    label.SetFitWidth(narrow);
    EXPECT_LE(label.Width(), narrow);
    EXPECT_GT(label.Height(), natural.height()) << "two lines";
    EXPECT_LT(label.Height(), natural.height() * 2);

    label.SetFitWidth(0);
    EXPECT_EQ(QSize(label.Width(), label.Height()), natural);
}
