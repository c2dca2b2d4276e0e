// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Placement.h"

#include <chrono>
#include <random>

std::uint32_t ClockSeed() {
    return static_cast<std::uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

TSeedSource PlacementSeeds = ClockSeed;

namespace {

int RandomBelow(std::mt19937& generator, int limit) {
    if (limit <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, limit - 1)(generator);
}

std::vector<QRect> OneTry(const std::vector<QRect>& figures, QSize field, std::mt19937& generator) {
    std::vector<QRect> placed;
    placed.reserve(figures.size());
    for (const QRect& figure : figures) {
        const int left = RandomBelow(generator, field.width() - figure.width());
        const int top = RandomBelow(generator, field.height() - figure.height());
        placed.emplace_back(left, top, figure.width(), figure.height());
    }
    return placed;
}

} // namespace

std::vector<QRect> PlaceAtRandom(const std::vector<QRect>& figures, QSize field,
                                 const TPlacementRule& accepted) {
    std::vector<QRect> placed = figures;
    for (int attempt = 0; attempt < MaxPlacementAttempts; ++attempt) {
        std::mt19937 generator(PlacementSeeds());
        placed = OneTry(figures, field, generator);
        if (accepted(placed))
            break;
    }
    return placed;
}
