// SPDX-License-Identifier: MIT
#include "Fit.h"

#include <algorithm>
#include <cmath>

namespace forms {

double Narrowing::SizeFactor() const {
    return std::pow(0.95, smaller);
}

Narrowing FitCaption(bool shrinkToFit, const std::function<bool(const Narrowing&)>& fits) {
    constexpr int kTries = 60;
    Narrowing narrowing;
    for (int tries = 0; !fits(narrowing) && shrinkToFit && tries < kTries; ++tries) {
        if (narrowing.stretch > kNarrowest)
            --narrowing.stretch;
        else
            ++narrowing.smaller;
    }
    return narrowing;
}

int LineBudget(double labelHeight, double lineHeight) {
    if (!(lineHeight > 0))
        return 1;
    return std::max(1, static_cast<int>(labelHeight / lineHeight));
}

} // namespace forms
