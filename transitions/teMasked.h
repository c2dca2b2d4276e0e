// Effects that reveal the new image through a mask, in styles and sub-styles.
#pragma once

#include "transitions/teTimed.h"

class TMaskedTransition : public TTimedTransitionEffect {
    Q_OBJECT
public:
    using TTimedTransitionEffect::TTimedTransitionEffect;

    int Style() const { return style_; }
    // Accepted up to the number of styles; a new style resets the sub-style.
    void SetStyle(int style);
    int SubStyle() const { return subStyle_; }
    // Accepted up to the number of sub-styles of the current style.
    void SetSubStyle(int subStyle);

protected:
    virtual int StyleCount() const = 0;
    virtual int SubStyleCount(int style) const = 0;

private:
    int style_ = 1;
    int subStyle_ = 1;
};
