// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: categories, level buttons, the hints switch, and the sound components
// and the correct-answer step that every level uses.
#pragma once

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

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

class TfrmMain : public TForm {
    Q_OBJECT
public:
    explicit TfrmMain(QObject* owner);

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

private:
    void ChooseCategory(TControl* button, int page);
    void OpenLevel(TActivityForm* window);
};

extern TfrmMain* frmMain;
