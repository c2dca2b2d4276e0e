// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds on the buttons: the push-button role, the name it reads and the
// press it can ask for; other controls claim no button role.
#include "controls/XiButton.h"
#include "framework/Accessibility.h"
#include "framework/StdCtrls.h"
#include "tests/framework/qt_app.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct ButtonCase {
    const char* kind;
    std::function<TControl*(QWidget*)> make;
};

class ButtonAccessibility : public testing::TestWithParam<ButtonCase> {
protected:
    void SetUp() override {
        EnsureQtApp();
        host = std::make_unique<TCustomControl>(nullptr);
        button = GetParam().make(host.get());
        button->SetParent(host.get());
        button->SetCaption(QStringLiteral("&Play"));
    }

    QAccessibleInterface* Interface() const { return QAccessible::queryAccessibleInterface(button); }

    std::unique_ptr<TCustomControl> host;
    TControl* button = nullptr;
};

TEST_P(ButtonAccessibility, IsAPushButtonNamedByItsCaptionOrItsAccessibleName) {
    QAccessibleInterface* face = Interface();
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), QAccessible::Button);
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Play"));
    button->setAccessibleName(QStringLiteral("Colors level 2"));
    EXPECT_EQ(face->text(QAccessible::Name), QStringLiteral("Colors level 2"));
}

TEST_P(ButtonAccessibility, PressIsAClickAndDoesNothingWhileDisabled) {
    int clicks = 0;
    button->OnClick = [&clicks](QObject*) { ++clicks; };
    QAccessibleActionInterface* actions = Interface()->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonAccessibility,
                         testing::Values(ButtonCase{"BitBtn", [](QWidget* p) { return new TBitBtn(p); }},
                                         ButtonCase{"XiButton", [](QWidget* p) { return new TXiButton(p); }}),
                         [](const testing::TestParamInfo<ButtonCase>& p) { return p.param.kind; });

TEST(ControlAccessibility, OtherControlsAreNoButtons) {
    EnsureQtApp();
    TCustomControl host(nullptr);
    auto* label = new TLabel(&host);
    label->SetParent(&host);
    label->SetCaption(QStringLiteral("Click the F note."));
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(face, nullptr);
    EXPECT_NE(face->role(), QAccessible::Button);
}

TEST(ControlAccessibility, CaptionsReadWithoutTheirAcceleratorMarks) {
    const struct {
        const char* caption;
        const char* plain;
    } cases[] = {
        {"&Play", "Play"}, {"Salt && Pepper", "Salt & Pepper"}, {"Back", "Back"}, {"End&", "End"}, {"", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(PlainCaption(QString::fromUtf8(c.caption)), QString::fromUtf8(c.plain)) << c.caption;
}

} // namespace
