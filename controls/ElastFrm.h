// SPDX-License-Identifier: GPL-3.0-or-later
// TElasticForm: placed on a form, it sizes and places the form in proportion to the screen
// when it is first shown, and from then on scales every named control's bounds and fonts with
// the form's size. It works as a filter in front of the form's message handling.
#pragma once

#include "framework/Forms.h"
#include "framework/StdCtrls.h"

#include <QList>
#include <QPointer>
#include <QRect>
#include <functional>
#include <vector>

class TElasticForm;

// What the component keeps of one managed control.
class TFrame {
public:
    TElasticForm* Owner = nullptr;
    // Stored bounds: as captured, scaled to the screen; taken back from the control when code
    // moved it since the last re-layout.
    double Left = 0, Width = 0, Top = 0, Height = 0;
    double HorizontalRatio = 1.0, VerticalRatio = 1.0, FontRatio = 1.0;
    int MainFontSize = 0;
    int TitleFontSize = 0;
    int TabFontSize = 0;
    int UnscaledFontSize = 0;
    bool Visible = true;
    QList<QPair<QPointer<TFont>, int>> ExtraFonts;
    bool Elastic = true;
    // Where the last re-layout left the control.
    QRect Applied;
};

class TElasticForm : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool ElasticHorizontal MEMBER ElasticHorizontal)
    Q_PROPERTY(bool ElasticVertical MEMBER ElasticVertical)
    Q_PROPERTY(bool ElasticFont MEMBER ElasticFont)
    Q_PROPERTY(int DesignScreenWidth MEMBER DesignScreenWidth)
    Q_PROPERTY(int DesignScreenHeight MEMBER DesignScreenHeight)
    Q_PROPERTY(int DesignPixelsPerInch MEMBER DesignPixelsPerInch)
    Q_PROPERTY(int MaximizedPosX MEMBER MaximizedPosX)
    Q_PROPERTY(int MaximizedPosY MEMBER MaximizedPosY)
    Q_PROPERTY(int MinimumTrackWidth MEMBER MinimumTrackWidth)
    Q_PROPERTY(int MinimumTrackHeight MEMBER MinimumTrackHeight)
    Q_PROPERTY(int MaximumTrackWidth MEMBER MaximumTrackWidth)
    Q_PROPERTY(int MaximumTrackHeight MEMBER MaximumTrackHeight)
    Q_PROPERTY(int DesignFormWidth MEMBER DesignFormWidth)
    Q_PROPERTY(int DesignFormHeight MEMBER DesignFormHeight)
    Q_PROPERTY(int DesignFormClientWidth MEMBER DesignFormClientWidth)
    Q_PROPERTY(int DesignFormClientHeight MEMBER DesignFormClientHeight)
    Q_PROPERTY(int DesignFormLeft MEMBER DesignFormLeft)
    Q_PROPERTY(int DesignFormTop MEMBER DesignFormTop)
    Q_PROPERTY(bool MaintainProportions MEMBER MaintainProportions)
    Q_PROPERTY(TFont* Font READ Font WRITE SetFont)
    Q_PROPERTY(TImage* BkGrndImage READ BkGrndImage WRITE SetBkGrndImage)
    Q_PROPERTY(bool DBGridSelfResize MEMBER DBGridSelfResize)
    Q_PROPERTY(QString ElFrmIniFile MEMBER ElFrmIniFile)
    Q_PROPERTY(float Version READ Version WRITE SetVersion)
    Q_PROPERTY(bool GridColumnWidthResize MEMBER GridColumnWidthResize)
    Q_PROPERTY(bool GridRowHeightResize MEMBER GridRowHeightResize)
    Q_PROPERTY(bool GridFontResize MEMBER GridFontResize)
    Q_PROPERTY(bool FontWarning MEMBER FontWarning)
    Q_PROPERTY(bool LookForExtraFonts MEMBER LookForExtraFonts)
    Q_PROPERTY(bool ResolutionIndependence MEMBER ResolutionIndependence)
    Q_PROPERTY(QString EFActiveControl MEMBER EFActiveControl)
    Q_PROPERTY(bool Active MEMBER Active)

public:
    // Throws when the owner is not a form or already holds one.
    explicit TElasticForm(QObject* owner);
    ~TElasticForm() override;

    bool ElasticHorizontal = true;
    bool ElasticVertical = true;
    bool ElasticFont = true;
    int DesignScreenWidth = 0;
    int DesignScreenHeight = 0;
    int DesignPixelsPerInch = 96;
    int MaximizedPosX = 0;
    int MaximizedPosY = 0;
    int MinimumTrackWidth = 0;
    int MinimumTrackHeight = 0;
    int MaximumTrackWidth = 0;
    int MaximumTrackHeight = 0;
    int DesignFormWidth = 0;
    int DesignFormHeight = 0;
    int DesignFormClientWidth = 0;
    int DesignFormClientHeight = 0;
    int DesignFormLeft = 0;
    int DesignFormTop = 0;
    bool MaintainProportions = false;
    bool DBGridSelfResize = false;
    QString ElFrmIniFile;
    bool GridColumnWidthResize = true;
    bool GridRowHeightResize = true;
    bool GridFontResize = true;
    bool FontWarning = true;
    bool LookForExtraFonts = true;
    bool ResolutionIndependence = true;
    QString EFActiveControl;
    bool Active = true;

    TNotifyEvent OnAfterResize;

    TFont* Font() const { return font_; }
    // Copies the font into Font and into the form, and repaints the form.
    void SetFont(TFont* font);
    TImage* BkGrndImage() const { return bkGrndImage_; }
    void SetBkGrndImage(TImage* image);
    float Version() const { return 700.0f; }
    void SetVersion(float) {}

    // The screen's work area, the room a maximized window gets; tests replace it.
    static std::function<QRect()> WorkArea;

    // Notes where the layout put each control, before any resize moves them.
    void Loaded() override;

    // The managed controls in the order they are laid out, once start-up has run.
    QList<TControl*> ManagedControls() const;

    // Rounding rules that must not be mixed up: bounds to the nearest, halves to the even
    // neighbour; fonts down unless the fraction exceeds one half.
    static int Round(double value);
    static int FontRound(double value);

private:
    void Filter(TMessage& message);
    void Handle(TMessage& message);
    void Unhook(TMessage& message);
    void BeforeMessage();
    bool Dispatch(TMessage& message);
    void StartUp();
    void FillDesignDefaults(const QRect& area);
    void TakeControls();
    void DesignForMaximized(const QRect& area);
    void ScaleToScreen(const QRect& area);
    QRect StartBounds() const;
    void CollectControls();
    QRect DesignBounds(const TControl* control) const;
    void Walk(TWinControl* parent, QList<TControl*>& found) const;
    void Capture(TControl* control, TFrame& frame);
    void TakeBackMovedControls();
    void Relayout();
    void LayoutAndShow();
    void ApplyControl(TControl* control, TFrame& frame, double r, double rx, double ry);
    void FitLabel(TLabel* label);
    void HideControls();
    void ShowControls();
    void FocusRequested();
    void RestoreFocus(bool always);

    void OnSize(TMessage& message);
    void OnSysCommand(TMessage& message);
    void OnDisplayChange(TMessage& message);
    void OnExitSizeMove();

    // Options: size limits, proportions, background, saved state.
    void SizeLimits(TMinMaxInfo& info);
    void ProportionalLimits();
    void KeepProportions();
    bool PaintBackground(TCanvas* canvas);
    void SaveState();
    void RestoreState();
    void ApplyPendingState();
    QString StorePath() const;

    int Percent(int value, int whole) const;
    QSize OuterSize() const;
    QRect OuterBounds() const;
    void SetOuterBounds(const QRect& outer);

    TForm* form_ = nullptr;
    TWndMethod previous_;
    bool hooked_ = false;
    TFont* font_;
    QPointer<TImage> bkGrndImage_;

    QList<QPointer<TControl>> controls_;
    std::vector<std::pair<QPointer<TControl>, QRect>> layoutBounds_;
    std::vector<TFrame> frames_;
    QPointer<QWidget> focus_;

    bool startedUp_ = false;
    bool captured_ = false;
    bool dragging_ = false;
    bool layoutPending_ = false;
    bool showLayout_ = true;
    bool maximized_ = false;
    bool hidden_ = false;
    bool startPhase_ = false;
    int positionChanges_ = 0;
    bool focusRequest_ = true;

    int screenWidth_ = 0;
    int screenHeight_ = 0;
    QPoint screenOrigin_;
    double sx_ = 1.0;
    double sy_ = 1.0;
    QRect start_;
    int fontBase_ = 0;
    int refClientWidth_ = 0;
    int refClientHeight_ = 0;
    int refFontSize_ = 0;
    int lastWidth_ = 0;
    int lastHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
    QSize dragBase_;

    // A saved state waiting to be applied.
    bool restoredMaximized_ = false;
    bool pendingPosition_ = false;
    bool pendingSize_ = false;
    double savedLeft_ = 0, savedTop_ = 0, savedWidth_ = 0, savedHeight_ = 0;
};
