// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AnswerFocus.h"

#include "framework/Controls.h"
#include "framework/FocusRing.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

TAnswerFocus::TAnswerFocus(std::vector<TControl*> answers, std::function<bool()> held)
    : QWidget(answers.front()->parentWidget()), answers_(std::move(answers)), held_(std::move(held)) {
    setObjectName(QStringLiteral("AnswerFocus"));
    setFocusPolicy(Qt::StrongFocus);
    // Clicks go through to the answers; the ring only shows and takes keys.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (TControl* answer : answers_)
        answer->installEventFilter(this);
    Restart();
}

std::vector<TControl*> TAnswerFocus::ReadingOrder() const {
    std::vector<TControl*> shown;
    for (TControl* answer : answers_)
        if (answer->Visible())
            shown.push_back(answer);
    const auto middleY = [](const TControl* c) { return c->Top() + c->Height() / 2; };
    std::stable_sort(shown.begin(), shown.end(),
                     [&](const TControl* a, const TControl* b) { return middleY(a) < middleY(b); });
    // Answers whose middles lie within half a height of a row's first answer share its row.
    auto row = shown.begin();
    while (row != shown.end()) {
        const int limit = middleY(*row) + (*row)->Height() / 2;
        const auto end =
            std::find_if(row, shown.end(), [&](const TControl* c) { return middleY(c) > limit; });
        std::stable_sort(row, end,
                         [](const TControl* a, const TControl* b) { return a->Left() < b->Left(); });
        row = end;
    }
    return shown;
}

void TAnswerFocus::Restart() {
    const std::vector<TControl*> order = ReadingOrder();
    Highlight(order.empty() ? nullptr : order.front());
}

void TAnswerFocus::Step(int steps) {
    const std::vector<TControl*> order = ReadingOrder();
    if (order.empty())
        return;
    const auto at = std::find(order.begin(), order.end(), current_.data());
    const int count = int(order.size());
    const int from = at == order.end() ? (steps > 0 ? -1 : 0) : int(at - order.begin());
    Highlight(order[std::size_t(((from + steps) % count + count) % count)]);
}

void TAnswerFocus::Press() {
    const QPointer<TControl> answer = current_;
    if (!answer || held_())
        return;
    const QPointF middle(answer->width() / 2.0, answer->height() / 2.0);
    const QPointF inWindow = answer->mapTo(answer->window(), middle);
    const QPointF onScreen = answer->mapToGlobal(middle);
    QMouseEvent press(QEvent::MouseButtonPress, middle, inWindow, onScreen, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(answer, &press);
    // The press may have moved on to the next question or closed the level; the release ends
    // the click all the same, as the mouse's would.
    if (!answer)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, middle, inWindow, onScreen, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(answer, &release);
}

void TAnswerFocus::Highlight(TControl* answer) {
    current_ = answer;
    setAccessibleName(answer ? answer->accessibleName() : QString());
    Follow();
}

void TAnswerFocus::Follow() {
    if (!current_)
        return;
    const int margin = RingWidth + Gap;
    setGeometry(current_->geometry().adjusted(-margin, -margin, margin, margin));
    raise();
    update();
}

bool TAnswerFocus::eventFilter(QObject* watched, QEvent* event) {
    if (watched == current_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        Follow();
    return QWidget::eventFilter(watched, event);
}

void TAnswerFocus::keyPressEvent(QKeyEvent* event) {
    const bool answerKey = event->key() == Qt::Key_Right || event->key() == Qt::Key_Down ||
                           event->key() == Qt::Key_Left || event->key() == Qt::Key_Up ||
                           event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                           event->key() == Qt::Key_Enter;
    // The first key only shows where the ring is; nothing is answered unseen.
    if (answerKey && !FocusRingsShown()) {
        SetFocusRingsShown(true);
        update();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        Step(1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        Step(-1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat())
            pressedKey_ = event->key();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// The answer comes when the key goes up, as a button's click does: the whole key stroke belongs
// to this window, whatever the answer then opens or closes.
void TAnswerFocus::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || event->key() != pressedKey_) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    pressedKey_ = 0;
    Press();
}

void TAnswerFocus::paintEvent(QPaintEvent*) {
    if (!current_ || !hasFocus() || !FocusRingsShown())
        return;
    QPainter painter(this);
    DrawFocusRing(painter, rect(), RingWidth);
}

void TAnswerFocus::focusInEvent(QFocusEvent*) {
    update();
}

void TAnswerFocus::focusOutEvent(QFocusEvent*) {
    pressedKey_ = 0;
    update();
}
