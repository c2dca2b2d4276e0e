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
#include <cmath>

namespace {
constexpr int ReleaseDelayMs = 2000;

// The labels that draw the staff: clef, notes and closing bar, from left to right.
std::vector<TLabel*> StaffLabels(const TLabel* clef) {
    std::vector<TLabel*> labels;
    if (!clef || !clef->parentWidget())
        return labels;
    for (QObject* child : clef->parentWidget()->children())
        if (auto* label = qobject_cast<TLabel*>(child); label && label->objectName().startsWith(u"lbl"))
            labels.push_back(label);
    std::sort(labels.begin(), labels.end(),
              [](const TLabel* a, const TLabel* b) { return a->Left() < b->Left(); });
    return labels;
}
} // namespace

TMusicActivity::TMusicActivity(QObject* owner, const QString& layout, std::vector<TMusicQuestion> questions)
    : TActivityForm(owner), layout_(layout), questions_(std::move(questions)) {}

void TMusicActivity::CreateFromLayout() {
    LoadLayout(layout_);
    Bind(pnlTop, "pnlTop");
    Bind(lblInstructions, "lblInstructions");
    Bind(objHint, "objHint");
    Bind(btnPlay, "btnPlay");
    Bind(btnBack, "btnBack");
    const auto* clef = findChild<TLabel*>(QStringLiteral("lblClef"));
    if (const auto* panel = clef ? qobject_cast<const TControl*>(clef->parentWidget()) : nullptr) {
        for (TLabel* label : StaffLabels(clef))
            staff_.push_back({label, label->BoundsRect().ToQRect(), label->Font()->Height()});
        staffPanel_ = QSize(panel->Width(), panel->Height());
    }
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

void TMusicActivity::WndProc(TMessage& message) {
    TActivityForm::WndProc(message);
    if (message.Msg == WM_SIZE)
        FitStaff();
}

void TMusicActivity::FitStaff() {
    if (staff_.empty() || staffPanel_.isEmpty())
        return;
    const auto* panel = qobject_cast<const TControl*>(staff_.front().Label->parentWidget());
    if (WindowState() == wsMaximized) {
        ScaleStaff(*panel);
        return;
    }
    if (!staffScaled_)
        return;
    // The window manager may tell of the normal state before the window has its normal size,
    // and the anchors of the labels follow the panel shrinking: the staff is laid out again
    // until the panel has its normal size.
    RestoreStaff();
    staffScaled_ = QSize(panel->Width(), panel->Height()) != staffPanel_;
}

void TMusicActivity::ScaleStaff(const TControl& panel) {
    staffScaled_ = true;
    const double scale = std::max(1.0, std::min(double(panel.Width()) / staffPanel_.width(),
                                                double(panel.Height()) / staffPanel_.height()));
    QRect row;
    for (const TStaffPlace& place : staff_)
        row |= place.Bounds;
    // The labels are laid side by side from the left, each as wide as its text at the new
    // size, so that the lines of the staff join without a gap.
    int left = int(std::lround((panel.Width() - row.width() * scale) / 2));
    const double top = (panel.Height() - row.height() * scale) / 2;
    for (const TStaffPlace& place : staff_) {
        place.Label->Font()->SetHeight(int(std::lround(place.FontHeight * scale)));
        // Sized to its text again, also where its anchors had widened it.
        place.Label->SetAutoSize(true);
        place.Label->SetBounds(left, int(std::lround(top + (place.Bounds.top() - row.top()) * scale)),
                               place.Label->Width(), place.Label->Height());
        left += place.Label->Width();
    }
}

void TMusicActivity::RestoreStaff() {
    for (const TStaffPlace& place : staff_) {
        place.Label->Font()->SetHeight(place.FontHeight);
        place.Label->SetAutoSize(true);
        place.Label->SetBounds(place.Bounds.left(), place.Bounds.top(), place.Label->Width(),
                               place.Label->Height());
    }
}
