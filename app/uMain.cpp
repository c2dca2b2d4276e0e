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
#include "sound/MidiGen.h"
#include "sound/abfComponents.h"

#include <QShortcut>

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

void TfrmMain::OpenLevel(TActivityForm* window) {
    CurrentStep = 1;
    FullScreenBackdrop().PrepareLevel(window);
    window->Show();
    // A window that was open already only came to the front; its show handler did not run.
    window->CatchUpWithCounter();
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
    if (Settings().Values().AskBeforeQuitting && inFrontSince_.isValid() &&
        inFrontSince_.elapsed() < ExitClickGuardTime)
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
