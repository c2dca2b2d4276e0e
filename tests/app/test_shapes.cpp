// SPDX-License-Identifier: GPL-3.0-or-later
#include "program_fixture.h"

#include "app/Placement.h"
#include "app/uReward.h"
#include "app/uShapes_CircleTriangle.h"
#include "app/uShapes_CircleTriangleSquare.h"
#include "controls/RzPanel.h"
#include "controls/RzRadChk.h"
#include "controls/Shapes.h"
#include "controls/XiButton.h"

namespace {

std::vector<QRect> Places(const TShapeActivity* window) {
    std::vector<QRect> places;
    for (TCustomShape* figure : window->Figures)
        places.push_back(figure->BoundsRect().ToQRect());
    return places;
}

QStringList VisibleHints(const TShapeActivity* window) {
    QStringList names;
    for (TCustomShape* hint : window->Hints)
        if (hint->Visible())
            names << hint->objectName();
    return names;
}

void Open(TShapeActivity* window, const char* button) {
    ClickOn(frmMain->btnShapes);
    ClickOn(frmMain->findChild<TBitBtn*>(QString::fromLatin1(button)));
    ASSERT_TRUE(window->Visible());
}

} // namespace

using Shapes = ProgramTest;

TEST_F(Shapes, FiguresNeverOverlapNorShareATopOverManySeeds) {
    std::uint32_t next = 1;
    PlacementSeeds = [&] { return next++; };
    for (TShapeActivity* window : {static_cast<TShapeActivity*>(frmShapes_CircleTriangle),
                                   static_cast<TShapeActivity*>(frmShapes_CircleTriangleSquare)}) {
        const QRect field(0, 0, window->pnlMid->Width(), window->pnlMid->Height());
        for (int i = 0; i < 300; ++i) {
            window->btnRandomizeClick(nullptr);
            const std::vector<QRect> places = Places(window);
            for (std::size_t a = 0; a < places.size(); ++a) {
                ASSERT_TRUE(field.contains(places[a])) << "seed near " << next;
                for (std::size_t b = a + 1; b < places.size(); ++b) {
                    ASSERT_FALSE(places[a].intersects(places[b])) << "seed near " << next;
                    ASSERT_NE(places[a].top(), places[b].top()) << "seed near " << next;
                }
            }
        }
    }
    PlacementSeeds = ClockSeed;
}

TEST_F(Shapes, RuleTestsEveryPairInItsOrder) {
    const QRect f(0, 0, 150, 150);
    // circle, triangle, square
    EXPECT_TRUE(TfrmShapes_CircleTriangleSquare::Accepted({f, f.translated(151, 1), f.translated(302, 2)}));
    EXPECT_FALSE(TfrmShapes_CircleTriangleSquare::Accepted({f, f.translated(151, 1), f.translated(302, 1)}));
    EXPECT_FALSE(TfrmShapes_CircleTriangleSquare::Accepted({f, f.translated(300, 1), f.translated(150, 2)}));
    EXPECT_FALSE(TfrmShapes_CircleTriangle::Accepted({f, f.translated(151, 0)}));
}

TEST_F(Shapes, HintShowsExactlyTheAskedFigureOrNoneWhenHintsAreOff) {
    Open(frmShapes_CircleTriangleSquare, "btnShapes2");
    TShapeActivity* w = frmShapes_CircleTriangleSquare;
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the circle."));
    EXPECT_EQ(VisibleHints(w), QStringList{QStringLiteral("objCircle")});
    for (int step : {2, 3}) {
        CurrentStep = step;
        w->btnRandomizeClick(nullptr);
        EXPECT_EQ(VisibleHints(w).size(), 1);
    }
    EXPECT_EQ(VisibleHints(w), QStringList{QStringLiteral("objTriangle")});
    frmMain->chkHints->SetChecked(false);
    w->btnRandomizeClick(nullptr);
    EXPECT_TRUE(VisibleHints(w).isEmpty());
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the triangle."));
    frmMain->chkHints->SetChecked(true);
}

TEST_F(Shapes, LevelOnePlaysThroughAndTheTrianglesEmptyCornerAnswers) {
    Open(frmShapes_CircleTriangle, "btnShapes1");
    TShapeActivity* w = frmShapes_CircleTriangle;
    TCustomShape* circle = w->Figures[0];
    TCustomShape* triangle = w->Figures[1];
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the triangle."));
    ClickOn(circle);
    EXPECT_EQ(CurrentStep, 1);
    // Top-left corner of the triangle's box lies outside the drawn figure.
    ClickOn(triangle, QPoint(3, 3));
    EXPECT_EQ(CurrentStep, 2);
    EXPECT_EQ(w->lblInstructions->Caption(), QStringLiteral("Click the circle."));
    ClickOn(circle);
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(frmReward->Visible());
}
