// Transition effects: the base effect with its events and the program-wide rule that only
// one transition runs at a time, the list that owns effects, and the flicker-free cut.
#pragma once

#include "framework/Component.h"

#include <QPointer>

class TForm;
class TTransitionList;

namespace te {
Q_NAMESPACE
enum TTEEffectDirection {
    tedNone,
    tedRight,
    tedLeft,
    tedDown,
    tedUp,
    tedDownRight,
    tedDownLeft,
    tedUpRight,
    tedUpLeft,
    tedIn,
    tedOut
};
Q_ENUM_NS(TTEEffectDirection)

enum TTEPassSettingType { teOnePass, teTwoPasses, tePaletteDependent };
Q_ENUM_NS(TTEPassSettingType)

enum TFCPictureMode { fcpmCenter, fcpmCenterStretch, fcpmStretch, fcpmTile };
Q_ENUM_NS(TFCPictureMode)
} // namespace te

using te::TTEEffectDirection;
using te::TTEPassSettingType;

// Options of the two-pass mode; kept for layouts, the program runs one pass only.
class TTEPass2OptionsType : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool DistributedTime MEMBER DistributedTime)
    Q_PROPERTY(bool Reversed MEMBER Reversed)
    Q_PROPERTY(bool UseSolidColor MEMBER UseSolidColor)
    Q_PROPERTY(int SolidColor MEMBER SolidColor)
public:
    using QObject::QObject;
    bool DistributedTime = false;
    bool Reversed = false;
    bool UseSolidColor = true;
    TColor SolidColor = clNone;
};

class TTransitionEffect : public TComponent {
    Q_OBJECT
    Q_PROPERTY(bool AbortOnClick READ AbortOnClick WRITE SetAbortOnClick)
    Q_PROPERTY(bool AbortOnEscape READ AbortOnEscape WRITE SetAbortOnEscape)
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(bool FlickerFreeWhenDisabled READ FlickerFreeWhenDisabled WRITE SetFlickerFreeWhenDisabled)
    Q_PROPERTY(TTEPass2OptionsType* Pass2Options READ Pass2Options)
    Q_PROPERTY(te::TTEPassSettingType PassSetting READ PassSetting WRITE SetPassSetting)
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)

public:
    explicit TTransitionEffect(QObject* owner);
    ~TTransitionEffect() override;

    bool AbortOnClick() const { return abortOnClick_; }
    void SetAbortOnClick(bool value) { abortOnClick_ = value; }
    bool AbortOnEscape() const { return abortOnEscape_; }
    void SetAbortOnEscape(bool value) { abortOnEscape_ = value; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool FlickerFreeWhenDisabled() const { return flickerFreeWhenDisabled_; }
    void SetFlickerFreeWhenDisabled(bool value) { flickerFreeWhenDisabled_ = value; }
    TTEPass2OptionsType* Pass2Options() const { return pass2Options_; }
    TTEPassSettingType PassSetting() const { return passSetting_; }
    void SetPassSetting(TTEPassSettingType setting) { passSetting_ = setting; }
    QString Version() const { return QStringLiteral("Version 3.3"); }
    void SetVersion(const QString&) {}

    TTEEffectDirection Direction() const { return direction_; }
    // Accepted only when the effect offers that direction.
    void SetDirection(TTEEffectDirection direction);
    bool Reversed() const { return reversed_; }
    void SetReversed(bool reversed) { reversed_ = reversed; }
    virtual QString Description() const;

    // Enabled, or disabled but asked to stay flicker-free.
    bool CanRun() const { return enabled_ || flickerFreeWhenDisabled_; }
    bool Prepared() const { return prepared_; }
    // Readies the effect over `form`; false when it cannot run, another transition is
    // running, or the form is not on screen.
    bool Prepare(TForm* form);
    // Runs the prepared transition; always ends unprepared. OnAfterTransition fires on
    // every call, OnEndTransition only when the new image really reached the screen.
    void Execute();
    void Unprepare();

    TTransitionList* TransitionList() const { return list_; }
    void SetParentComponent(QObject* parent) override;

    TNotifyEvent OnBeforeTransition;
    TNotifyEvent OnStartTransition;
    TNotifyEvent OnEndTransition;
    TNotifyEvent OnAfterTransition;

    // Set from a successful Prepare until Unprepare, and while a form's own showing runs.
    static bool TransitionRunning();
    static void SetTransitionRunning(bool running);

protected:
    // Directions this effect accepts besides tedNone.
    virtual bool AcceptsDirection(TTEEffectDirection direction) const { return direction == te::tedNone; }
    // Puts the form's new image on screen: waits until the window system shows it, then
    // has it painted completely.
    void PresentNewImage();
    // How long the new image takes to arrive; input meanwhile is lost, as it would be on a
    // window that covers the form.
    virtual int Duration() const { return 0; }
    void HoldInputFor(int milliseconds);

private:
    friend class TTransitionList;
    bool abortOnClick_ = false;
    bool abortOnEscape_ = false;
    bool enabled_ = true;
    bool flickerFreeWhenDisabled_ = false;
    TTEPass2OptionsType* pass2Options_;
    TTEPassSettingType passSetting_ = te::teOnePass;
    TTEEffectDirection direction_ = te::tedNone;
    bool reversed_ = false;
    bool prepared_ = false;
    QPointer<TForm> target_;
    TTransitionList* list_ = nullptr;
};

// Shows the new image in one step; the default for windows without a show transition.
class TFlickerFreeTransition : public TTransitionEffect {
    Q_OBJECT
public:
    explicit TFlickerFreeTransition(QObject* owner);
    QString Description() const override { return QStringLiteral("Flicker free cut"); }
};

// Holds the effects placed on it and destroys them with itself.
class TTransitionList : public TComponent {
    Q_OBJECT
    Q_PROPERTY(QString Version READ Version WRITE SetVersion)
public:
    explicit TTransitionList(QObject* owner);
    ~TTransitionList() override;

    QString Version() const { return QStringLiteral("Version 3.3"); }
    void SetVersion(const QString&) {}
    QList<TTransitionEffect*> Transitions() const { return transitions_; }
    void Add(TTransitionEffect* effect);
    void Remove(TTransitionEffect* effect);

private:
    QList<TTransitionEffect*> transitions_;
};
