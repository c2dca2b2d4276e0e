// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937& Generator() {
    static std::mt19937 generator;
    return generator;
}
} // namespace

void Randomize() {
    RandSeed(std::uint32_t(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void RandSeed(std::uint32_t seed) {
    Generator().seed(seed);
}

int Random(int range) {
    if (range < 1)
        return 0;
    return std::uniform_int_distribution<int>(0, range - 1)(Generator());
}
