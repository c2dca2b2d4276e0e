// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the controls of this folder known to the layout reader.
#pragma once

void RegisterControlClasses();
