#pragma once

#include "evaluation/MachineTotals.h"

#include <array>
#include <optional>
#include <string>

namespace rivet {

inline constexpr int kFigureCount = 16;

// What one value label ed1..ed16 shows: its text, whether it is drawn in the warning colour,
// and the text of its verdict label (none for AP, weight, the two durabilities and stability).
struct FigureText
{
    std::string text;
    bool warning = false;
    std::optional<std::string> verdict;
};

// The sixteen figure texts, index 0 for ed1. The legs decide how the ground boost speed is
// written: four-legged and caterpillar legs show the two characters after their type letter.
std::array<FigureText, kFigureCount> figureTexts(const MachineTotals& totals, const Part& legs);

// The figure's caption ("AP", "価格", ... "安定性"), index 0 for ed1.
const char* figureCaption(int index);
// The caption as the window and the reports line it up: padded with blanks to 18 columns
// (a full-width character counts two) and followed by "：".
std::string paddedFigureCaption(int index);

// Names of the value labels, "ed1".."ed16", and of the verdict labels ("lbS2", ...; empty
// where a figure has none).
const char* figureLabelName(int index);
const char* verdictLabelName(int index);

// Name of option box n (1..13): "Chk1", then "chk2".."chk13", as the window has always
// named them.
std::string optionBoxName(int n);

// Mark of an option box in reports: "■" ticked, "□" not.
std::string optionMark(bool ticked);

} // namespace rivet
