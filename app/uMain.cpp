// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/uMain.h"
#include "app/Activity.h"
#include "app/Backdrop.h"
#include "app/Settings.h"
#include "app/uColors_All.h"
#include "app/uColors_BlackWhite.h"
#include "app/uColors_BlueRedYellow.h"
#include "app/uMusic_EFGABCD.h"
#include "app/uMusic_FAC.h"
#include "app/uMusic_FC.h"
#include "app/uMusic_FGABC.h"
#include "app/uQuestion.h"
#include "app/uSettings.h"
#include "app/uShapes_CircleTriangle.h"
#include "app/uShapes_CircleTriangleSquare.h"
#include "controls/RzLabel.h"
#include "controls/RzPanel.h"
#include "controls/RzRadChk.h"
#include "controls/RzStatus.h"
#include "controls/XiButton.h"
#include "controls/XiPanel.h"
#include "framework/FocusRing.h"
#include "sound/MidiGen.h"
#include "sound/abfComponents.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include <algorithm>

TfrmMain* frmMain = nullptr;

TfrmMain::TfrmMain(QObject* owner) : TForm(owner) {
    LoadLayout(QStringLiteral(":/layouts/uMain.layout"));
    Bind(pnlLeft, "pnlLeft");
    Bind(imgTick, "imgTick");
    Bind(btnColors, "btnColors");
    Bind(btnShapes, "btnShapes");
    Bind(btnMusic, "btnMusic");
    Bind(chkHints, "chkHints");
    Bind(urlCopyright, "urlCopyright");
    Bind(pnlBottom, "pnlBottom");
    Bind(btnExit, "btnExit");
    Bind(pgPages, "pgPages");
    Bind(Player, "Player");
    Bind(Midi, "Midi");
    Bind(Info, "Info");
    OnActivate = [this](QObject*) { inFrontSince_.start(); };
    qApp->installEventFilter(this);
    OnClose.Set(this, &TfrmMain::FormClose);
    AddShortcuts();
    NameButtons();
}

// What a screen reader says of each button.
void TfrmMain::NameButtons() {
    const struct {
        QWidget* button;
        const char* name;
        const char* does;
    } buttons[] = {
        {btnColors, "Colors", "Shows the Colors levels"},
        {btnShapes, "Shapes", "Shows the Shapes levels"},
        {btnMusic, "Music", "Shows the Music levels"},
        {chkHints, "Show Hints", "Shows a picture of what each question asks"},
        {btnExit, "Exit", "Ends the game"},
    };
    for (const auto& b : buttons) {
        b.button->setAccessibleName(QString::fromLatin1(b.name));
        b.button->setAccessibleDescription(QString::fromLatin1(b.does));
    }
    const struct {
        const char* category;
        int levels;
    } categories[] = {{"Colors", 3}, {"Shapes", 2}, {"Music", 4}};
    for (const auto& c : categories)
        for (int level = 1; level <= c.levels; ++level)
            if (auto* button = findChild<TBitBtn*>(
                    QStringLiteral("btn%1%2").arg(QLatin1String(c.category)).arg(level))) {
                button->setAccessibleName(
                    QStringLiteral("%1 level %2").arg(QLatin1String(c.category)).arg(level));
                button->setAccessibleDescription(QStringLiteral("Starts this level"));
            }
}

// The arrows walk the categories, the shown page's levels and Exit, in the order they are seen.
std::vector<QWidget*> TfrmMain::ArrowStops() const {
    std::vector<QWidget*> stops{btnColors, btnShapes, btnMusic};
    std::vector<QWidget*> levels;
    if (TTabSheet* page = pgPages->ActivePage())
        for (TControl* control : page->Controls())
            if (qobject_cast<TBitBtn*>(control) && control->Visible())
                levels.push_back(control);
    std::stable_sort(levels.begin(), levels.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    stops.insert(stops.end(), levels.begin(), levels.end());
    stops.push_back(btnExit);
    return stops;
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    int step = 0;
    if (event->key() == Qt::Key_Down || event->key() == Qt::Key_Right)
        step = 1;
    else if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Left)
        step = -1;
    if (step == 0) {
        TForm::keyPressEvent(event);
        return;
    }
    const std::vector<QWidget*> stops = ArrowStops();
    const auto at = std::find(stops.begin(), stops.end(), focusWidget());
    const int count = int(stops.size());
    // From elsewhere (the hints box, or nothing yet), the first arrow goes to the first or last stop.
    const int from = at == stops.end() ? (step > 0 ? -1 : 0) : int(at - stops.begin());
    SetFocusRingsShown(true);
    stops[std::size_t(((from + step) % count + count) % count)]->setFocus(Qt::TabFocusReason);
}

TfrmMain::~TfrmMain() {
    FullScreenBackdrop().Release();
}

// Keys for a parent, from any of the game's windows.
void TfrmMain::AddShortcuts() {
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::ApplicationShortcut);
    QObject::connect(fullScreen, &QShortcut::activated, this,
                     [] { SwitchFullScreen(!FullScreenBackdrop().On()); });
    auto* settings = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    settings->setContext(Qt::ApplicationShortcut);
    QObject::connect(settings, &QShortcut::activated, this, [this] { ShowSettings(); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && watched != this && qobject_cast<TForm*>(watched))
        inFrontSince_.start();
    return TForm::eventFilter(watched, event);
}

void TfrmMain::UseSettings() {
    const TParentSettings& values = Settings().Values();
    chkHints->SetChecked(values.ShowHints);
    chkHints->OnClick = [this](QObject*) {
        Settings().Update([this](TParentSettings& s) { s.ShowHints = chkHints->Checked(); });
    };
    if (values.LastPage == 0)
        btnColorsClick(this);
    else if (values.LastPage == 1)
        btnMusicClick(this);
    else if (values.LastPage == 2)
        btnShapesClick(this);
}

void TfrmMain::ShowSettings() {
    if (!settings_) {
        settings_ = std::make_unique<TfrmSettings>(nullptr);
        settings_->SetIcon(Application->Icon());
    }
    settings_->Show();
}

void TfrmMain::FormShow(TObject*) {
    SetCaption(Info->ProductName() + QLatin1Char(' ') + Info->FileVersion());
    urlCopyright->SetCaption(Info->LegalCopyright());
    SetIcon(Application->Icon());
}

void TfrmMain::ChooseCategory(TControl* button, int page) {
    imgTick->SetTop(button->Top() + button->Height() / 2 - imgTick->Height() / 2);
    pgPages->SetActivePageIndex(page);
    Settings().Update([page](TParentSettings& s) { s.LastPage = page; });
}

void TfrmMain::btnColorsClick(TObject*) {
    ChooseCategory(btnColors, 0);
}
void TfrmMain::btnMusicClick(TObject*) {
    ChooseCategory(btnMusic, 1);
}
void TfrmMain::btnShapesClick(TObject*) {
    ChooseCategory(btnShapes, 2);
}

// One level at a time, always from its first question: the levels share one question counter,
// so a level left open behind the menu would refuse its own right answers. Any level still open
// is closed first, this one too, so that it comes up with its question prepared, its roll and
// its prompt.
void TfrmMain::OpenLevel(TActivityForm* window) {
    for (TActivityForm* level : OpenLevels())
        level->Close();
    CurrentStep = 1;
    FullScreenBackdrop().PrepareLevel(window);
    window->Show();
}

std::vector<TActivityForm*> TfrmMain::OpenLevels() const {
    std::vector<TActivityForm*> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* level = qobject_cast<TActivityForm*>(window); level && level->Visible())
            open.push_back(level);
    return open;
}

void TfrmMain::btnColors1Click(TObject*) {
    OpenLevel(frmColors_BlackWhite);
}
void TfrmMain::btnColors2Click(TObject*) {
    OpenLevel(frmColors_BlueRedYellow);
}
void TfrmMain::btnColors3Click(TObject*) {
    OpenLevel(frmColors_All);
}
void TfrmMain::btnShapes1Click(TObject*) {
    OpenLevel(frmShapes_CircleTriangle);
}
void TfrmMain::btnShapes2Click(TObject*) {
    OpenLevel(frmShapes_CircleTriangleSquare);
}
void TfrmMain::btnMusic1Click(TObject*) {
    OpenLevel(frmMusic_FC);
}
void TfrmMain::btnMusic2Click(TObject*) {
    OpenLevel(frmMusic_FAC);
}
void TfrmMain::btnMusic3Click(TObject*) {
    OpenLevel(frmMusic_FGABC);
}
void TfrmMain::btnMusic4Click(TObject*) {
    OpenLevel(frmMusic_EFGABCD);
}

void TfrmMain::btnExitClick(TObject*) {
    const bool justInFront = inFrontSince_.isValid() && inFrontSince_.elapsed() < ExitClickGuardTime;
    // With a level open, Exit shows beside or under the level's window: a click there first
    // brings the menu forward, and quits only once the menu is the window in front.
    if (!OpenLevels().empty() && (!isActiveWindow() || justInFront)) {
        Show();
        inFrontSince_.start();
        return;
    }
    if (Settings().Values().AskBeforeQuitting && justInFront)
        return;
    Close();
}

void TfrmMain::FormClose(TObject*, TCloseAction& Action) {
    if (!Settings().Values().AskBeforeQuitting)
        return;
    if (!question_) {
        question_ = std::make_unique<TfrmQuestion>(nullptr);
        question_->SetIcon(Application->Icon());
    }
    if (!question_->Ask(tr("Quit Tovimar Plumkin?")))
        Action = caNone;
}

void TfrmMain::CorrectAnswer(TForm* Window) {
    Player->SetFileName(QStringLiteral("sounds\\clap.wav"));
    Player->Play();
    Window->Close();
    Window->Show();
}
