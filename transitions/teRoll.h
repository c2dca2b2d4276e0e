// The roll effect: the new window content unrolls over the old screen like a sheet coming
// off a roll.
#pragma once

#include "transitions/teTimed.h"

class TRollTransition : public TTimedTransitionEffect {
    Q_OBJECT
    Q_PROPERTY(te::TTEEffectDirection Direction READ Direction WRITE SetDirection)
    Q_PROPERTY(int Milliseconds READ Milliseconds WRITE SetMilliseconds)
    Q_PROPERTY(bool Reversed READ Reversed WRITE SetReversed)
    Q_PROPERTY(int Size READ Size WRITE SetSize)
    Q_PROPERTY(bool Unroll READ Unroll WRITE SetUnroll)
    Q_PROPERTY(bool Use3D READ Use3D WRITE SetUse3D)
public:
    explicit TRollTransition(QObject* owner);

    int Size() const { return size_; }
    void SetSize(int size) { size_ = size; }
    bool Unroll() const { return unroll_; }
    void SetUnroll(bool unroll) { unroll_ = unroll; }
    bool Use3D() const { return use3D_; }
    void SetUse3D(bool use3D) { use3D_ = use3D; }
    QString Description() const override { return QStringLiteral("Roll"); }

protected:
    bool AcceptsDirection(TTEEffectDirection direction) const override;
    // Until the roll is drawn, the new window stands for the roll's time.
    int Duration() const override { return Milliseconds(); }

private:
    int size_ = 60;
    bool unroll_ = true;
    bool use3D_ = true;
};
