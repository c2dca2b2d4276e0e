// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Placement.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <optional>
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

struct Circle {
    double X, Y, R;
    explicit Circle(const QRect& rect)
        : X(rect.left() + rect.width() / 2.0), Y(rect.top() + rect.height() / 2.0),
          R(std::min(rect.width(), rect.height()) / 2.0) {}
    // The part of the horizontal line at height y that lies inside, if any.
    std::optional<std::pair<double, double>> Span(double y) const {
        const double dy = y - Y;
        if (std::abs(dy) >= R)
            return std::nullopt;
        const double half = std::sqrt(R * R - dy * dy);
        return std::pair(X - half, X + half);
    }
};

// Length of [from, to] that none of the intervals covers.
double UncoveredLength(double from, double to, std::vector<std::pair<double, double>>& covers) {
    std::sort(covers.begin(), covers.end());
    double uncovered = 0;
    double reached = from;
    for (const auto& [left, right] : covers) {
        if (left > reached)
            uncovered += std::min(left, to) - reached;
        reached = std::max(reached, right);
        if (reached >= to)
            return uncovered;
    }
    return uncovered + (to - reached);
}

} // namespace

std::vector<double> VisibleShares(const std::vector<QRect>& circles) {
    std::vector<double> shares;
    std::vector<std::pair<double, double>> covers;
    for (std::size_t i = 0; i < circles.size(); ++i) {
        const Circle circle(circles[i]);
        double area = 0;
        double visible = 0;
        // Row by row through the pixel centres.
        for (int row = 0; row < circles[i].height(); ++row) {
            const double y = circles[i].top() + row + 0.5;
            const auto span = circle.Span(y);
            if (!span)
                continue;
            covers.clear();
            for (std::size_t j = i + 1; j < circles.size(); ++j)
                if (const auto cover = Circle(circles[j]).Span(y);
                    cover && cover->first < span->second && cover->second > span->first)
                    covers.push_back(*cover);
            area += span->second - span->first;
            visible += UncoveredLength(span->first, span->second, covers);
        }
        shares.push_back(area > 0 ? visible / area : 1.0);
    }
    return shares;
}

bool EveryCircleHalfVisible(const std::vector<QRect>& circles) {
    for (double share : VisibleShares(circles))
        if (share < 0.5)
            return false;
    return true;
}

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
