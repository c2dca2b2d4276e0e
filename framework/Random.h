// SPDX-License-Identifier: GPL-3.0-or-later
// The program's shared random generator: reseeded from the clock by Randomize, drawn from
// by Random.
#pragma once

#include <cstdint>

void Randomize();
void RandSeed(std::uint32_t seed);
// A number from 0 to range - 1 (0 when range < 1).
int Random(int range);
