// SPDX-License-Identifier: GPL-3.0-or-later
// The language the game shows its texts in: the parents' choice, or else the desktop's.
// English is the source language and needs no translation file; another language's file is
// only read when that language is chosen.
#pragma once

#include <QString>
#include <memory>
#include <vector>

class QTranslator;

struct TGameLanguage {
    QString Code; // "en", "de", ...
    QString Name; // named in itself: "Deutsch", "Français", ...
};

// Every language the game speaks, English first.
const std::vector<TGameLanguage>& GameLanguages();
bool IsGameLanguage(const QString& code);

// The first of the desktop's languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) that the game
// speaks, else English.
QString DesktopLanguage();

// Shows every text in `choice` from now on, or in the desktop's language when `choice` is empty
// or unknown; the open windows follow at once.
void UseLanguage(const QString& choice);

// The translation of the desktop's language, for what the program says before it reads the
// parents' settings; none for English or when its file is missing.
std::unique_ptr<QTranslator> DesktopTranslator();

// The code of the language the game speaks now: "en", "de", ...
QString CurrentLanguage();

// The translation file of `code` among the program's data folders; empty when there is none.
QString TranslationFile(const QString& code);
