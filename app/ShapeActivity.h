// The Shapes levels: white figures at random places on the play field; the child clicks the
// figure asked for, helped by a small black one in the top bar.
#pragma once

#include "app/Activity.h"
#include "app/Placement.h"
#include "framework/StdCtrls.h"

#include <vector>

class TRzPanel;
class TCustomShape;

struct TShapeQuestion {
    QString Prompt;
    const char* Hint; // name of the hint figure
    QString Sound;
};

class TShapeActivity : public TActivityForm {
    Q_OBJECT
public:
    TLabel* lblInstructions;
    TBitBtn* btnPlay;
    TRzPanel* pnlMid;
    TBitBtn* btnBack;
    TBitBtn* btnRandomize;
    // shpShape1, shpShape2, ... in the order of their numbers.
    std::vector<TCustomShape*> Figures;
    // objCircle, objTriangle and (level 2) objSquare.
    std::vector<TCustomShape*> Hints;

    void InitForm() override;
    void btnPlayClick(TObject* Sender) override;

public Q_SLOTS:
    void btnRandomizeClick(TObject* Sender);
    void Transition1AfterTransition(TObject* Sender);

protected:
    TShapeActivity(QObject* owner, const QString& layout, std::vector<TShapeQuestion> questions, int figureCount,
                   TPlacementRule rule);
    // Reads the layout and finds the controls; called by each window once it is fully built,
    // so that the layout's handlers reach the window's own methods.
    void CreateFromLayout();
    int QuestionCount() const override { return int(questions_.size()); }

private:
    QString layout_;
    int figureCount_;
    void PlaceFigures();
    void ShowHint(const char* name);
    std::vector<TShapeQuestion> questions_;
    TPlacementRule rule_;
};

// Two figures apart: lefts further apart than the first one's width, tops different.
bool FiguresApart(const QRect& a, const QRect& b);
