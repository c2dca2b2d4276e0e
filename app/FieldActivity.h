// SPDX-License-Identifier: GPL-3.0-or-later
// What the Colors and Shapes levels share: answer figures placed at random on the play field
// under the window's rule, and the Play, Randomize and after-transition steps.
#pragma once

#include "app/Activity.h"
#include "app/Placement.h"
#include "framework/StdCtrls.h"

#include <vector>

class TRzPanel;

class TFieldActivity : public TActivityForm {
    Q_OBJECT
public:
    TLabel* lblInstructions = nullptr;
    TRzPanel* pnlMid;
    TBitBtn* btnRandomize;

    void btnPlayClick(TObject* Sender) override;

public Q_SLOTS:
    void btnRandomizeClick(TObject* Sender);
    void Transition1AfterTransition(TObject* Sender);

protected:
    TFieldActivity(QObject* owner, const QString& layout, int figureCount, TPlacementRule rule);
    // Reads the layout and finds the controls; called by each window once it is fully built,
    // so that the layout's handlers reach the window's own methods.
    void CreateFromLayout();
    // The window's own controls, found after the common ones.
    virtual void BindControls() = 0;
    // The answer figures in the order of their numbers.
    virtual std::vector<TControl*> PlacedFigures() const = 0;
    void PlaceFigures();
    TLabel* Instructions() const override { return lblInstructions; }
    std::vector<TControl*> Answers() const override;
    void NameButtons() override;
    // shpShape1 ... shpShapeN.
    template <class T> void BindFigures(std::vector<T*>& figures) {
        figures.resize(figureCount_);
        for (int i = 0; i < figureCount_; ++i)
            Bind(figures[i], QStringLiteral("shpShape%1").arg(i + 1).toLatin1().constData());
    }

private:
    QString layout_;
    int figureCount_;
    TPlacementRule rule_;
};
