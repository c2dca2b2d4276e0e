// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard's way to the answers of a level: one ring over the play field that takes the
// focus like a button. The arrow keys move it between the answers in reading order; Space or
// Enter presses the answer under it as the mouse would, so the level cannot tell a key from a
// click.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class TControl;

class TAnswerFocus : public QWidget {
    Q_OBJECT
public:
    // Ring and gap round an answer, in logical pixels.
    static constexpr int RingWidth = 6;
    static constexpr int Gap = 3;

    // `answers` share one parent, the play field; `held` tells when a press would come too early
    // (the question is still being asked) and is dropped.
    TAnswerFocus(std::vector<TControl*> answers, std::function<bool()> held);

    // The first answer in reading order.
    void Restart();
    // By `steps` answers in reading order, round from the last to the first.
    void Step(int steps);
    // A click at the middle of the answer under the ring.
    void Press();
    TControl* Current() const { return current_; }
    // The visible answers, row by row from the top, each row from the left.
    std::vector<TControl*> ReadingOrder() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Highlight(TControl* answer);
    void Follow();

    std::vector<TControl*> answers_;
    std::function<bool()> held_;
    QPointer<TControl> current_;
    int pressedKey_ = 0;
};
