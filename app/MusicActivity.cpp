// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MusicActivity.h"
#include "app/uMain.h"
#include "controls/RzPanel.h"
#include "platform/MidiStream.h"
#include "sound/abfComponents.h"

#include <QApplication>
#include <QThread>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int ReleaseDelayMs = 2000;
}

TMusicActivity::TMusicActivity(QObject* owner, const QString& layout, std::vector<TMusicQuestion> questions)
    : TActivityForm(owner), layout_(layout), questions_(std::move(questions)) {}

void TMusicActivity::CreateFromLayout() {
    LoadLayout(layout_);
    Bind(pnlTop, "pnlTop");
    Bind(lblInstructions, "lblInstructions");
    Bind(objHint, "objHint");
    Bind(btnPlay, "btnPlay");
    Bind(btnBack, "btnBack");
}

void TMusicActivity::InitForm() {
    // The synthesizer's instruments load while the window rolls in, not at start-up.
    PreloadMidi();
    if (const int row = Row(); row >= 0) {
        const TMusicQuestion& q = questions_[row];
        ShowPrompt(row);
        objHint->SetCaption(q.Hint);
        if (q.TopColor)
            pnlTop->SetColor(*q.TopColor);
    }
    objHint->SetVisible(HintsOn());
    FitPrompt();
}

void TMusicActivity::hideEvent(QHideEvent* event) {
    TActivityForm::hideEvent(event);
    // The piano's instruments are freed a moment after the last Music window has gone, not
    // between the questions of a level, which close and show the window again at once.
    QTimer::singleShot(ReleaseDelayMs, [] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        const bool musicShown = std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
            return qobject_cast<const TMusicActivity*>(window) && window->isVisible();
        });
        if (!musicShown)
            ReleaseMidi();
    });
}

void TMusicActivity::btnPlayClick(TObject*) {
    if (const int row = Row(); row >= 0) {
        const TMusicQuestion& q = questions_[row];
        frmMain->Midi->SetOctave(q.Octave);
        frmMain->Midi->SetNote(q.Note);
        frmMain->Player->SetFileName(q.Sound);
    }
    frmMain->Midi->Play();
    // The program may have been ended by a message handled meanwhile: nothing more is heard.
    if (Application->Terminated())
        return;
    QThread::msleep(1000);
    Application->ProcessMessages();
    if (!Application->Terminated())
        frmMain->Player->Play();
}

void TMusicActivity::Transition1EndTransition(TObject*) {
    frmMain->Player->Stop();
    AskAfterRoll();
}

// lblC, lblC2, ...: a note's name and an optional 2 for its octave above. Checked by hand: a
// regular expression would load its engine into the game just for this.
static bool IsNoteLabelName(const QString& name) {
    const bool prefixed = (name.size() == 4 || name.size() == 5) && name.startsWith(QLatin1String("lbl"));
    return prefixed && name.at(3) >= u'A' && name.at(3) <= u'G' && (name.size() == 4 || name.at(4) == u'2');
}

std::vector<TControl*> TMusicActivity::Answers() const {
    std::vector<TControl*> notes;
    for (TLabel* label : findChildren<TLabel*>())
        if (IsNoteLabelName(label->objectName()))
            notes.push_back(label);
    return notes;
}

QString TMusicActivity::AnswerName(const TControl* answer) const {
    return QStringLiteral("note %1").arg(answer->objectName().at(3));
}
