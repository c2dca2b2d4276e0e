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

// New places (same sizes) for `figures` inside a field of `field`: left in 0 ... field
// width - figure width - 1, then top likewise, both uniform; 0 where that range is empty.
std::vector<QRect> PlaceAtRandom(const std::vector<QRect>& figures, QSize field,
                                 const TPlacementRule& accepted);
