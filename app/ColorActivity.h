// The Colors levels: coloured circles at random places on the play field; the child clicks
// the colour asked for, helped by a swatch of it in the top bar.
#pragma once

#include "app/Activity.h"
#include "app/Placement.h"
#include "framework/StdCtrls.h"

#include <vector>

class TRzPanel;

struct TColorQuestion {
    QString Prompt;
    TColor Hint;
    QString Sound;
};

class TColorActivity : public TActivityForm {
    Q_OBJECT
public:
    TLabel* lblInstructions;
    TRzPanel* objHint;
    TBitBtn* btnPlay;
    TRzPanel* pnlMid;
    TBitBtn* btnBack;
    TBitBtn* btnRandomize;
    // shpShape1, shpShape2, ... in the order of their numbers.
    std::vector<TShape*> Shapes;

    void InitForm() override;
    void btnPlayClick(TObject* Sender) override;

public Q_SLOTS:
    void btnRandomizeClick(TObject* Sender);
    void Transition1AfterTransition(TObject* Sender);

protected:
    TColorActivity(QObject* owner, const QString& layout, std::vector<TColorQuestion> questions, int shapeCount,
                   TPlacementRule rule);
    // Reads the layout and finds the controls; called by each window once it is fully built,
    // so that the layout's handlers reach the window's own methods.
    void CreateFromLayout();
    int QuestionCount() const override { return int(questions_.size()); }

private:
    QString layout_;
    int shapeCount_;
    void PlaceShapes();
    std::vector<TColorQuestion> questions_;
    TPlacementRule rule_;
};
