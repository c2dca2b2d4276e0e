// SPDX-License-Identifier: GPL-3.0-or-later
// The slider: presses, drags and keys choose positions within its range, each change reported
// once, and the groove fills up to the thumb.
#include "framework/ComCtrls.h"
#include "qt_app.h"

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

// A 220 x 40 slider from 0 to 100 at the top left of its window.
class SliderHost {
public:
    SliderHost() : window((EnsureQtApp(), nullptr)) {
        window.SetBounds(0, 0, 240, 60);
        slider = new TTrackBar(&window);
        slider->SetParent(&window);
        slider->SetBounds(0, 0, 220, 40);
        slider->SetMax(100);
        slider->OnChange = [this](QObject*) { changes << slider->Position(); };
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QWindow* Handle() { return window.windowHandle(); }

    TCustomControl window;
    TTrackBar* slider;
    QList<int> changes;
};

} // namespace

TEST(TrackBar, PressesAndDragsChooseThePositionUnderThePointer) {
    SliderHost host;
    // The thumb's centre runs from its radius (18) to 220 - 1 - 18 = 201.
    const std::vector<std::pair<int, int>> cases = {{0, 0}, {18, 0}, {110, 50}, {201, 100}, {219, 100}};
    for (const auto& [x, position] : cases)
        EXPECT_EQ(host.slider->PositionAt(x), position) << "x " << x;

    QTest::mousePress(host.Handle(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 20));
    EXPECT_EQ(host.slider->Position(), 50);
    QTest::mouseMove(host.Handle(), QPoint(201, 20));
    QTest::mouseRelease(host.Handle(), Qt::LeftButton, Qt::NoModifier, QPoint(201, 20));
    EXPECT_EQ(host.slider->Position(), 100);
    EXPECT_EQ(host.changes, (QList<int>{50, 100}));
}

TEST(TrackBar, KeysStepWithinTheRangeAndOnlyChangesAreReported) {
    SliderHost host;
    host.slider->SetLineSize(5);
    QTest::keyClick(host.slider, Qt::Key_Left);
    EXPECT_EQ(host.slider->Position(), 0) << "already at Min";
    QTest::keyClick(host.slider, Qt::Key_Right);
    QTest::keyClick(host.slider, Qt::Key_Right);
    QTest::keyClick(host.slider, Qt::Key_End);
    QTest::keyClick(host.slider, Qt::Key_Right);
    EXPECT_EQ(host.changes, (QList<int>{5, 10, 100}));

    host.slider->SetPosition(250);
    host.slider->SetPosition(-3);
    EXPECT_EQ(host.changes, (QList<int>{5, 10, 100, 0}));
}

TEST(TrackBar, TheGrooveFillsUpToTheThumb) {
    SliderHost host;
    host.slider->SetPosition(50);
    const QImage image = host.slider->grab().toImage();
    const QColor fill = QColor(0xE8, 0x9C, 0x00); // FillColor 0x009CE8 (BGR)
    EXPECT_EQ(image.pixelColor(40, 20), fill);
    EXPECT_EQ(image.pixelColor(180, 20), QColor(Qt::white)) << "past the thumb the groove is empty";
}
