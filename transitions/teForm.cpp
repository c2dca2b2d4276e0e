#include "transitions/teForm.h"
#include "framework/LayoutReader.h"
#include "transitions/teBlock.h"
#include "transitions/teRoll.h"

#include <stdexcept>

TFormTransitions::TFormTransitions(QObject* owner)
    : TComponent(owner), backgroundOptions_(new TFCBackgroundOptions(this)) {
    if (owner) {
        for (QObject* sibling : owner->children())
            if (sibling != this && qobject_cast<TFormTransitions*>(sibling))
                throw std::runtime_error("Only one FormTransitions component is allowed per form");
    }
    form_ = qobject_cast<TForm*>(owner);
    if (!form_)
        return;
    wasVisible_ = form_->Visible();
    previous_ = form_->WindowProc;
    form_->WindowProc = [this](TMessage& message) { Hook(message); };
}

TFormTransitions::~TFormTransitions() {
    if (form_ && !form_->IsDestroying())
        form_->WindowProc = previous_;
    if (destroyTransitions_ && showTransition_)
        delete showTransition_.data();
}

void TFormTransitions::SetShowTransition(TTransitionEffect* effect) {
    if (effect == showTransition_)
        return;
    if (destroyTransitions_ && showTransition_)
        delete showTransition_.data();
    showTransition_ = effect;
    if (effect && effect->TransitionList())
        destroyTransitions_ = false;
}

void TFormTransitions::Hook(TMessage& message) {
    if (message.Msg == CM_SHOWINGCHANGED)
        ShowingChanged(message);
    else
        previous_(message);
}

void TFormTransitions::ShowingChanged(TMessage& message) {
    const bool mayRun = enabled_ && !form_->Parent() && !wasVisible_ && !TTransitionEffect::TransitionRunning() &&
                        (!showTransition_ || showTransition_->CanRun());
    if (!mayRun) {
        previous_(message);
        wasVisible_ = form_->Visible();
        return;
    }
    // Windows shown from the form's own show handler appear without a transition.
    TTransitionEffect::SetTransitionRunning(true);
    try {
        previous_(message);
    } catch (...) {
        TTransitionEffect::SetTransitionRunning(false);
        throw;
    }
    TTransitionEffect::SetTransitionRunning(false);
    if (enabled_ && form_->Visible())
        RunShowTransition();
    wasVisible_ = form_->Visible();
}

void TFormTransitions::RunShowTransition() {
    std::unique_ptr<TFlickerFreeTransition> cut;
    TTransitionEffect* effect = showTransition_;
    if (!effect) {
        cut = std::make_unique<TFlickerFreeTransition>(nullptr);
        effect = cut.get();
    }
    const TTEPassSettingType passSetting = effect->PassSetting();
    effect->SetPassSetting(te::teOnePass);
    struct Restore {
        TTransitionEffect* effect;
        TTEPassSettingType passSetting;
        ~Restore() {
            effect->SetPassSetting(passSetting);
            effect->Unprepare();
        }
    } restore{effect, passSetting};
    if (effect->Prepare(form_))
        effect->Execute();
}

void RegisterTransitionClasses() {
    RegisterComponentClass<TTransitionList>();
    RegisterComponentClass<TRollTransition>();
    RegisterComponentClass<TBlockTransition>();
    RegisterComponentClass<TFlickerFreeTransition>();
    RegisterComponentClass<TFormTransitions>();
}
