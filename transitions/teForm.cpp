// SPDX-License-Identifier: GPL-3.0-or-later
#include "transitions/teForm.h"
#include "framework/LayoutReader.h"
#include "framework/X11.h"
#include "transitions/teBlock.h"
#include "transitions/teRoll.h"

#include <QApplication>
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
    // A form being destroyed has said so (WM_DESTROY) before its parts went; it is not asked.
    if (form_)
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
    if (!form_) {
        previous_(message);
    } else if (message.Msg == WM_DESTROY) {
        TWndMethod previous = previous_;
        form_->WindowProc = previous;
        form_ = nullptr;
        previous(message);
    } else if (message.Msg == CM_SHOWINGCHANGED) {
        ShowingChanged(message);
    } else if (message.Msg == WM_WINDOWPOSCHANGING && !placementDue_.hasExpired()) {
        // The first move soon after the transition is a compositor's shell placing the form.
        if (form_->geometry().topLeft() != askedAt_) {
            TTransitionEffect::SetShellOffset(form_->geometry().topLeft() - askedAt_);
            placementDue_ = QDeadlineTimer();
        }
        previous_(message);
    } else if (message.Msg == WM_SHOWWINDOW && message.WParam) {
        if (covering_)
            CoverPlace();
        previous_(message);
        WithdrawSyncRequest();
    } else {
        previous_(message);
    }
}

void TFormTransitions::ShowingChanged(TMessage& message) {
    TTransitionEffect* fallback = TTransitionEffect::DefaultTransition();
    const bool mayRun = enabled_ && !IsDesigning() && !form_->Parent() && !wasVisible_ &&
                        !TTransitionEffect::TransitionRunning() &&
                        (showTransition_ ? showTransition_->CanRun() : fallback->FlickerFreeWhenDisabled());
    if (!mayRun || !form_->Visible()) {
        previous_(message);
        wasVisible_ = form_->Visible();
        return;
    }
    std::unique_ptr<TFlickerFreeTransition> cut;
    TTransitionEffect* effect = showTransition_;
    if (!effect) {
        cut = std::make_unique<TFlickerFreeTransition>(nullptr);
        cut->SetFlickerFreeWhenDisabled(fallback->FlickerFreeWhenDisabled());
        effect = cut.get();
    }
    const bool clientCoordinates = effect->ClientCoordinates();
    const TTEPassSettingType passSetting = effect->PassSetting();
    const bool fromScreen = effect->TakeOldImageFromScreen();
    effect->SetPassSetting(te::teOnePass);
    auto restore = [&] {
        covering_ = nullptr;
        effect->SetClientCoordinates(clientCoordinates);
        effect->SetPassSetting(passSetting);
        effect->SetTakeOldImageFromScreen(fromScreen);
        effect->Unprepare();
        TTransitionEffect::SetTransitionRunning(false);
        wasVisible_ = form_->Visible();
    };
    try {
        ShowWithTransition(message, effect);
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TFormTransitions::ShowWithTransition(TMessage& message, TTransitionEffect* effect) {
    // Windows shown from the form's own show handler appear without a transition.
    TTransitionEffect::SetTransitionRunning(true);
    covering_ = effect;
    previous_(message);
    covering_ = nullptr;
    if (!effect->Prepared()) {
        TTransitionEffect::SetTransitionRunning(false);
        return;
    }
    // Mapped after the render window, the form may lie above it.
    effect->RaiseRenderWindow();
    // The window system reports the activation later; the new image shows the form as it
    // will be once active, with its focused control.
    if (form_->isVisible() && !form_->isActiveWindow())
        QApplication::setActiveWindow(form_);
    if (enabled_ && form_->Visible()) {
        // The shell may place the form as soon as the transition shows its first frame in it.
        const bool composited = TransitionDisplay().Composited();
        askedAt_ = form_->geometry().topLeft();
        if (composited)
            placementDue_ = QDeadlineTimer(QDeadlineTimer::Forever);
        effect->Execute();
        if (!placementDue_.hasExpired())
            placementDue_ = QDeadlineTimer(kPlacementDue);
    }
}

void TFormTransitions::CoverPlace() {
    TTransitionEffect* effect = covering_;
    covering_ = nullptr;
    effect->SetClientCoordinates(true);
    effect->SetTakeOldImageFromScreen(true);
    TTransitionEffect::SetTransitionRunning(false);
    if (!effect->Prepare(form_, Rect(0, 0, form_->ClientWidth(), form_->ClientHeight())))
        TTransitionEffect::SetTransitionRunning(true);
}

void TFormTransitions::WithdrawSyncRequest() {
    // Still unmapped: the window manager reads the offer when it takes the window in. A
    // window created only by this showing keeps the offer until the next one.
    xcb_connection_t* c = XConnection();
    if (c && form_ && form_->testAttribute(Qt::WA_WState_Created))
        XWithdrawSyncRequest(c, xcb_window_t(form_->winId()));
}

void RegisterTransitionClasses() {
    RegisterComponentClass<TTransitionList>();
    RegisterComponentClass<TRollTransition>();
    RegisterComponentClass<TBlockTransition>();
    RegisterComponentClass<TFlickerFreeTransition>();
    RegisterComponentClass<TFormTransitions>();
}
