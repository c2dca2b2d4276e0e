// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/WindowFrame.h"

#include <gtest/gtest.h>

TEST(WindowFrame, ExtentsFromTheWindowManagerAreHeldToSaneEdges) {
    struct Case {
        std::array<std::uint32_t, 4> values; // left, right, top, bottom
        QMargins margins;
    };
    for (const Case& c : {
             Case{{1, 2, 27, 4}, QMargins(1, 27, 2, 4)},
             Case{{0, 0, 0, 0}, QMargins()},
             // Written by any client: huge or "negative" edges would leave no room for the window.
             Case{{0xFFFFFFFFu, 5, 0x80000000u, 100000}, QMargins(256, 256, 5, 256)},
         })
        EXPECT_EQ(FrameExtentsFromProperty(c.values), c.margins) << c.values[0];
}
