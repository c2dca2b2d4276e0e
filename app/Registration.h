// SPDX-License-Identifier: GPL-3.0-or-later
// Makes every component class of the program known to the layout reader.
#pragma once

void RegisterAllClasses();
