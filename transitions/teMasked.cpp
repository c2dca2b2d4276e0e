#include "transitions/teMasked.h"

void TMaskedTransition::SetStyle(int style) {
    if (style < 0 || style > StyleCount() || style == style_)
        return;
    style_ = style;
    subStyle_ = style == 0 ? 0 : 1;
}

void TMaskedTransition::SetSubStyle(int subStyle) {
    const int limit = style_ == 0 ? 0 : SubStyleCount(style_);
    if (subStyle >= 0 && subStyle <= limit)
        subStyle_ = subStyle;
}
