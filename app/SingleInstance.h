// SPDX-License-Identifier: GPL-3.0-or-later
// One game per user and display: a second start brings the running game's main menu to the front
// and ends, instead of opening a second, identical window.
#pragma once

#include <QStringList>

#include <functional>

// True when a game already runs on this display: it has been asked to bring its main menu to
// the front and to do what `requests` name (the later start's options), and this start should
// end. Otherwise this start is the game, and until AnswerLaterStarts other starts wait for it.
bool AskRunningGame(const QStringList& requests = {});

// From now on, every later start brings this game's main menu to the front and hands its
// requests to `answer`.
void AnswerLaterStarts(std::function<void(const QStringList&)> answer = {});
