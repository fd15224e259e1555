// SPDX-License-Identifier: MIT
// How a label draws a caption that needs more room than it has: narrower
// letters first, which keeps the lines as they are, then smaller ones, until
// the caption fits. The platform lays the caption out and says whether it
// fits; the steps are the same everywhere.
#pragma once

#include <functional>

namespace forms {

// A caption's letters as drawn: their width in percent of the face's own,
// and how many times they were made 5 % smaller.
struct Narrowing {
    int stretch = 100;
    int smaller = 0;
    // The factor on the font's size.
    double SizeFactor() const;
    friend bool operator==(const Narrowing&, const Narrowing&) = default;
};

// Letters are made narrower down to this percent before they get smaller.
inline constexpr int kNarrowest = 85;

// The narrowing the caption is drawn with: none when it fits as it is or the
// label does not shrink its caption; otherwise the first that fits, trying a
// percent narrower at a time, then 5 % smaller, at most 60 times (the last
// one tried where none fits). `fits` lays the caption out with a narrowing,
// and is called last with the one returned.
Narrowing FitCaption(bool shrinkToFit, const std::function<bool(const Narrowing&)>& fits);

// As many lines as a label has room for in its own font, at least one: a
// smaller font does not bring in more.
int LineBudget(double labelHeight, double lineHeight);

} // namespace forms
