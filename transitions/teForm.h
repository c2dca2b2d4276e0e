// SPDX-License-Identifier: GPL-3.0-or-later
// Makes its form appear with a transition each time it goes from hidden to visible, by
// hooking the form's message chain. One per form. The form's own show handling runs first;
// then, just before the form is mapped, the render window covers its place with what lay
// there; the form is mapped beneath it, rendered off-screen, and the animation uncovers it.
#pragma once

#include "framework/Forms.h"
#include "framework/Graphics.h"
#include "transitions/TransEff.h"

#include <QDeadlineTimer>
#include <QPointer>

// Background painting options of the form; inactive at their start values.
class TFCBackgroundOptions : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Opaque MEMBER Opaque)
    Q_PROPERTY(bool ParentOpaque MEMBER ParentOpaque)
    Q_PROPERTY(bool BkgrndFormVisible MEMBER BkgrndFormVisible)
    Q_PROPERTY(bool ParentBkgrndForm MEMBER ParentBkgrndForm)
    Q_PROPERTY(bool ParentPicture MEMBER ParentPicture)
    Q_PROPERTY(TPicture* Picture READ Picture)
    Q_PROPERTY(te::TFCPictureMode PictureMode MEMBER PictureMode)
    Q_PROPERTY(int PictureTranspColor MEMBER PictureTranspColor)
    Q_PROPERTY(bool PictureVisible MEMBER PictureVisible)
    Q_PROPERTY(int GlassColor MEMBER GlassColor)
    Q_PROPERTY(int GlassTranslucency MEMBER GlassTranslucency)
    Q_PROPERTY(bool GlassVisible MEMBER GlassVisible)
    Q_PROPERTY(bool ParentGlass MEMBER ParentGlass)
public:
    explicit TFCBackgroundOptions(QObject* parent) : QObject(parent), picture_(new TPicture(this)) {}
    TPicture* Picture() const { return picture_; }

    bool Opaque = true;
    bool ParentOpaque = false;
    bool BkgrndFormVisible = true;
    bool ParentBkgrndForm = false;
    bool ParentPicture = false;
    te::TFCPictureMode PictureMode = te::fcpmTile;
    TColor PictureTranspColor = clNone;
    bool PictureVisible = true;
    TColor GlassColor = 0;
    int GlassTranslucency = 255;
    bool GlassVisible = true;
    bool ParentGlass = false;

private:
    TPicture* picture_;
};

class TFormTransitions : public TComponent {
    Q_OBJECT
    Q_PROPERTY(TFCBackgroundOptions* BackgroundOptions READ BackgroundOptions)
    Q_PROPERTY(bool DestroyTransitions READ DestroyTransitions WRITE SetDestroyTransitions)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(TTransitionEffect* ShowTransition READ ShowTransition WRITE SetShowTransition)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
public:
    // Throws when the owner already holds one.
    explicit TFormTransitions(QObject* owner);
    ~TFormTransitions() override;

    TFCBackgroundOptions* BackgroundOptions() const { return backgroundOptions_; }
    bool DestroyTransitions() const { return destroyTransitions_; }
    void SetDestroyTransitions(bool value) { destroyTransitions_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    TTransitionEffect* ShowTransition() const { return showTransition_; }
    void SetShowTransition(TTransitionEffect* effect);
    QString Version() const { return QStringLiteral("Version 3.3"); }
    void SetVersion(const QString&) {}

private:
    void Hook(TMessage& message);
    void ShowingChanged(TMessage& message);
    void ShowWithTransition(TMessage& message, TTransitionEffect* effect);
    void CoverPlace();
    // A window manager would hold back the form's first pictures for an answer the running
    // transition cannot give: the form does not offer that protocol.
    void WithdrawSyncRequest();

    TFCBackgroundOptions* backgroundOptions_;
    bool destroyTransitions_ = true;
    bool enabled_ = true;
    QPointer<TTransitionEffect> showTransition_;
    TForm* form_ = nullptr;
    bool wasVisible_ = false;
    TWndMethod previous_;
    // The effect that covers the form's place once the form is about to be mapped.
    TTransitionEffect* covering_ = nullptr;
    // Where the form asked to be, and until when a move counts as a compositor placing it.
    QPoint askedAt_;
    QDeadlineTimer placementDue_;
    static constexpr int kPlacementDue = 1000;
};

// Makes the transition classes known to the layout reader.
void RegisterTransitionClasses();
