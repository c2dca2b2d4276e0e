#include "transitions/TransEff.h"
#include "framework/Forms.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QWindow>

namespace {
bool transitionRunning = false;
}

bool TTransitionEffect::TransitionRunning() { return transitionRunning; }

void TTransitionEffect::SetTransitionRunning(bool running) { transitionRunning = running; }

TTransitionEffect::TTransitionEffect(QObject* owner)
    : TComponent(owner), pass2Options_(new TTEPass2OptionsType(this)) {
    PublishEvent(QStringLiteral("OnBeforeTransition"), OnBeforeTransition);
    PublishEvent(QStringLiteral("OnStartTransition"), OnStartTransition);
    PublishEvent(QStringLiteral("OnEndTransition"), OnEndTransition);
    PublishEvent(QStringLiteral("OnAfterTransition"), OnAfterTransition);
}

TTransitionEffect::~TTransitionEffect() {
    Unprepare();
    if (list_)
        list_->Remove(this);
}

void TTransitionEffect::SetEnabled(bool enabled) {
    enabled_ = enabled;
    if (!enabled && prepared_)
        Unprepare();
}

void TTransitionEffect::SetDirection(TTEEffectDirection direction) {
    if (AcceptsDirection(direction))
        direction_ = direction;
}

QString TTransitionEffect::Description() const { return QString::fromLatin1(metaObject()->className()); }

void TTransitionEffect::SetParentComponent(QObject* parent) {
    if (auto* list = qobject_cast<TTransitionList*>(parent))
        list->Add(this);
}

bool TTransitionEffect::Prepare(TForm* form) {
    if (!CanRun() || transitionRunning || !form || !form->isVisible())
        return false;
    target_ = form;
    prepared_ = true;
    transitionRunning = true;
    return true;
}

void TTransitionEffect::Unprepare() {
    if (!prepared_)
        return;
    prepared_ = false;
    target_ = nullptr;
    transitionRunning = false;
}

void TTransitionEffect::Execute() {
    OnBeforeTransition(this);
    struct AfterGuard {
        TTransitionEffect* effect;
        ~AfterGuard() {
            effect->Unprepare();
            effect->OnAfterTransition(effect);
        }
    } after{this};
    if (!CanRun() || !prepared_)
        return;
    OnStartTransition(this);
    PresentNewImage();
    HoldInputFor(Duration());
    OnEndTransition(this);
}

void TTransitionEffect::PresentNewImage() {
    if (!target_)
        return;
    // The window system maps a new window asynchronously; wait (briefly) until it does.
    QElapsedTimer waited;
    waited.start();
    while (target_ && target_->windowHandle() && !target_->windowHandle()->isExposed() && waited.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    if (target_)
        target_->repaint();
}

namespace {

// Swallows the user's input while a transition runs.
class InputBlocker : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void TTransitionEffect::HoldInputFor(int milliseconds) {
    InputBlocker blocker;
    QCoreApplication::instance()->installEventFilter(&blocker);
    QElapsedTimer held;
    held.start();
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    while (held.elapsed() < milliseconds);
    QCoreApplication::instance()->removeEventFilter(&blocker);
}

TFlickerFreeTransition::TFlickerFreeTransition(QObject* owner) : TTransitionEffect(owner) {
    SetFlickerFreeWhenDisabled(true);
}

TTransitionList::TTransitionList(QObject* owner) : TComponent(owner) {}

TTransitionList::~TTransitionList() {
    const QList<TTransitionEffect*> effects = transitions_;
    for (TTransitionEffect* effect : effects) {
        effect->list_ = nullptr;
        delete effect;
    }
}

void TTransitionList::Add(TTransitionEffect* effect) {
    if (!effect || transitions_.contains(effect))
        return;
    if (effect->list_)
        effect->list_->Remove(effect);
    transitions_.append(effect);
    effect->list_ = this;
}

void TTransitionList::Remove(TTransitionEffect* effect) {
    transitions_.removeAll(effect);
    if (effect && effect->list_ == this)
        effect->list_ = nullptr;
}
