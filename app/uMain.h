// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: categories, level buttons, the hints switch, and the sound components
// and the correct-answer step that every level uses.
#pragma once

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

#include <QElapsedTimer>
#include <memory>
#include <vector>

class TActivityForm;
class TRzPanel;
class TXiButton;
class TXiPanel;
class TRzCheckBox;
class TRzURLLabel;
class TRzBackground;
class TRzVersionInfo;
class TabfWav;
class TMidiGen;
class TTransitionList;
class TBlockTransition;
class TFormTransitions;
class TfrmQuestion;
class TfrmSettings;

class TfrmMain : public TForm {
    Q_OBJECT
public:
    explicit TfrmMain(QObject* owner);
    ~TfrmMain() override;

    // A click on Exit that comes this soon after the menu came to the front (activated, or bared
    // by another game window going) was meant for the window that was there before (a level's
    // Randomize sits where Exit is); it is not taken as Exit's.
    static constexpr int ExitClickGuardTime = 400;

    TRzPanel* pnlLeft;
    TImage* imgTick;
    TXiButton* btnColors;
    TXiButton* btnShapes;
    TXiButton* btnMusic;
    TRzCheckBox* chkHints;
    TRzURLLabel* urlCopyright;
    TXiPanel* pnlBottom;
    TBitBtn* btnExit;
    TPageControl* pgPages;
    TabfWav* Player;
    TMidiGen* Midi;
    TRzVersionInfo* Info;

    // After a correct answer: applause, then the window is closed and shown again, so its
    // next question is prepared, animated and spoken before this returns.
    Q_INVOKABLE void CorrectAnswer(TForm* Window);

    // Takes the hints switch and the category page from the parents' settings, and keeps them
    // there whenever they change.
    void UseSettings();
    // The parents' settings window, in front.
    void ShowSettings();

public Q_SLOTS:
    void FormShow(TObject* Sender);
    void btnColorsClick(TObject* Sender);
    void btnShapesClick(TObject* Sender);
    void btnMusicClick(TObject* Sender);
    void btnColors1Click(TObject* Sender);
    void btnColors2Click(TObject* Sender);
    void btnColors3Click(TObject* Sender);
    void btnShapes1Click(TObject* Sender);
    void btnShapes2Click(TObject* Sender);
    void btnMusic1Click(TObject* Sender);
    void btnMusic2Click(TObject* Sender);
    void btnMusic3Click(TObject* Sender);
    void btnMusic4Click(TObject* Sender);
    void btnExitClick(TObject* Sender);
    // With "ask before quitting" on, closing waits for a Yes.
    void FormClose(TObject* Sender, TCloseAction& Action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Arrows move the focus between the categories, the levels and Exit.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ChooseCategory(TControl* button, int page);
    void OpenLevel(TActivityForm* window);
    std::vector<TActivityForm*> OpenLevels() const;
    void AddShortcuts();
    void NameButtons();
    std::vector<QWidget*> ArrowStops() const;

    QElapsedTimer inFrontSince_;
    std::unique_ptr<TfrmQuestion> question_;
    std::unique_ptr<TfrmSettings> settings_;
};

extern TfrmMain* frmMain;
