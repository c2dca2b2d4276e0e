// SPDX-License-Identifier: GPL-3.0-or-later
// One game per user and display: a second start brings the running game's main menu to the front
// and ends, instead of opening a second, identical window.
#pragma once

#include <QStringList>

#include <functional>

// True when a game of this user already runs on this display and has confirmed, within about a
// second, that it brings its main menu to the front and does what `requests` name (the later
// start's options): this start should end. Otherwise this start is the game, and until
// AnswerLaterStarts other starts wait for it.
bool AskRunningGame(const QStringList& requests = {});

// From now on, every later start of this user brings this game's main menu to the front and
// hands its requests to `answer`, on the user-interface thread.
void AnswerLaterStarts(std::function<void(const QStringList&)> answer = {});
