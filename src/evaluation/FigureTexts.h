#pragma once

#include "evaluation/Figure.h"
#include "evaluation/MachineTotals.h"

#include <optional>
#include <string>

namespace rivet {

// What one value label ed1..ed16 shows: its text, whether it is drawn in the warning colour,
// and the text of its verdict label (none for AP, weight, the two durabilities and stability).
struct FigureText
{
    std::string text;
    bool warning = false;
    std::optional<std::string> verdict;
};

// The sixteen figure texts. The legs decide how the ground boost speed is written:
// four-legged and caterpillar legs show the two characters after their type letter.
PerFigure<FigureText> figureTexts(const MachineTotals& totals, const Part& legs);

// The text of a figure that shows one number, with that number beside it where the text is
// something else: four-legged and caterpillar legs show their code as the ground boost speed,
// "07（32）", so a difference from the number adds up. Any other text comes back as it is.
std::string textWithNumber(Figure figure, const std::string& text, std::optional<double> number);

// The caption as the window and the reports line it up: padded with blanks to 18 columns
// (a full-width character counts two) and followed by "：".
std::string paddedFigureCaption(Figure figure);

// Name of option box n (1..13): "Chk1", then "chk2".."chk13", as the window has always
// named them.
std::string optionBoxName(int n);

// Mark of an option box in reports: "■" ticked, "□" not.
std::string optionMark(bool ticked);

} // namespace rivet
