// SPDX-License-Identifier: GPL-3.0-or-later
// Shows two windows with their real show transitions, for bench/transitions.py, which measures
// them from outside by reading the screen: a 650 x 500 roll of 1500 ms and the main menu's
// 642 x 466 block reveal of 1000 ms. Each run starts when a line arrives on standard input and
// reports the frames it drew and the time it took inside the program.
#include "framework/Forms.h"
#include "transitions/teBlock.h"
#include "transitions/teForm.h"
#include "transitions/teRoll.h"

#include <QElapsedTimer>
#include <QPainter>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

template <class Effect> class Counted : public Effect {
public:
    using Effect::Effect;
    void DrawFrame(TTETransitionData& data, int frame, int step, int count, int previous) override {
        Effect::DrawFrame(data, frame, step, count, previous);
        ++frames;
    }
    int frames = 0;
};

// Stripes, so that every frame changes what the screen shows.
class Striped : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (int x = 0; x < width(); x += 20)
            painter.fillRect(x, 0, 20, height(), (x / 20) % 2 ? QColor(40, 120, 220) : QColor(250, 200, 60));
    }
};

template <class Effect> void Run(const char* name, QRect place, int milliseconds, TApplication& application) {
    std::string line;
    if (!std::getline(std::cin, line))
        return;
    TForm form(&application);
    form.SetBounds(place.x(), place.y(), place.width(), place.height());
    auto* content = new Striped(&form);
    content->setGeometry(0, 0, place.width(), place.height());
    auto* transitions = new TFormTransitions(&form);
    auto* effect = new Counted<Effect>(&form);
    effect->SetMilliseconds(milliseconds);
    if constexpr (std::is_same_v<Effect, TRollTransition>)
        effect->SetDirection(te::tedRight);
    transitions->SetShowTransition(effect);
    QElapsedTimer timer;
    timer.start();
    form.Show();
    std::printf("%s %d %d %.1f\n", name, place.width(), effect->frames, double(timer.nsecsElapsed()) / 1e6);
    std::fflush(stdout);
    std::getline(std::cin, line);
    form.Hide();
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char** argv) {
    TApplication application(argc, argv);
    Run<TRollTransition>("roll", QRect(100, 100, 650, 500), 1500, application);
    Run<TBlockTransition>("blocks", QRect(100, 100, 642, 466), 1000, application);
    return 0;
}
