// SPDX-License-Identifier: GPL-3.0-or-later
// What the controls say to assistive technology: the role a control claims, its name, and for
// a button the press a screen reader can ask for.
#pragma once

#include <QString>

// Lets Qt's accessibility ask the controls for their roles; once per application is enough.
void InstallControlAccessibility();
// A caption as it reads: "&Play" is "Play", "Salt && Pepper" is "Salt & Pepper".
QString PlainCaption(const QString& caption);
