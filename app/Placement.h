// SPDX-License-Identifier: GPL-3.0-or-later
// Random placement of the answer figures on the play field: every figure gets a uniform
// random place, again and again, until the window's rule accepts the set.
#pragma once

#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>
#include <vector>

using TSeedSource = std::function<std::uint32_t()>;
using TPlacementRule = std::function<bool(const std::vector<QRect>&)>;

// Seeds from the high-resolution clock, as every new attempt does.
std::uint32_t ClockSeed();
// Where new placements take their seeds; tests replace it.
extern TSeedSource PlacementSeeds;

// A tiny play field may admit no accepted placement at all, so the search ends here and
// keeps its last try.
constexpr int MaxPlacementAttempts = 10000;

// The share of each circle's own area that the circles after it (lying above it) leave
// uncovered. A circle is the round figure centred in its rectangle, as wide as the rectangle's
// shorter side.
std::vector<double> VisibleShares(const std::vector<QRect>& circles);
// Every circle shows at least half of itself: a child must see each colour to find it.
bool EveryCircleHalfVisible(const std::vector<QRect>& circles);

// New places (same sizes) for `figures` inside a field of `field`: left in 0 ... field
// width - figure width - 1, then top likewise, both uniform; 0 where that range is empty.
std::vector<QRect> PlaceAtRandom(const std::vector<QRect>& figures, QSize field,
                                 const TPlacementRule& accepted);
