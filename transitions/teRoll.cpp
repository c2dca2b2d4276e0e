#include "transitions/teRoll.h"

TRollTransition::TRollTransition(QObject* owner) : TTimedTransitionEffect(owner) { SetDirection(te::tedDown); }

bool TRollTransition::AcceptsDirection(TTEEffectDirection direction) const {
    return direction == te::tedRight || direction == te::tedLeft || direction == te::tedDown || direction == te::tedUp;
}
