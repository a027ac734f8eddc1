#include "evaluation/FigureTexts.h"

#include "common/Numbers.h"
#include "common/ShiftJis.h"

#include <string>

namespace rivet {

namespace {

std::string pair(std::int32_t x, std::int32_t y)
{
    return std::to_string(x) + "/" + std::to_string(y);
}

// A coefficient of 0 means hits do no damage; the durability then has no bound.
std::string durabilityText(const std::optional<std::int32_t>& durability)
{
    return durability ? std::to_string(*durability) : std::string("∞");
}

// The ground-speed text of four-legged ("F26") and caterpillar ("C06") legs: the characters
// after the type letter, two at most.
std::optional<std::string> legSpeedText(const std::string& legType)
{
    if (legType.empty() || (legType[0] != 'F' && legType[0] != 'C')) {
        return std::nullopt;
    }
    std::string text;
    std::size_t i = 1;
    for (int characters = 0; characters < 2 && i < legType.size(); ++characters) {
        std::size_t length = 1;
        const auto lead = static_cast<unsigned char>(legType[i]);
        if (lead >= 0xF0) {
            length = 4;
        } else if (lead >= 0xE0) {
            length = 3;
        } else if (lead >= 0xC0) {
            length = 2;
        }
        text += legType.substr(i, length);
        i += length;
    }
    return text;
}

std::string valueText(const FigureDescriptor& figure, const MachineTotals& t, const Part& legs)
{
    switch (figure.kind) {
    case FigureKind::Durability:
        return durabilityText(figure.durability(t));
    case FigureKind::Boost:
        if (figure.figure == Figure::GroundBoostSpeed) {
            if (auto legsCode = legSpeedText(legs.legType)) {
                return *legsCode;
            }
        }
        return formatGeneral(t.*figure.tenths);
    default:
        return figure.of ? pair(t.*figure.whole, t.*figure.of) : std::to_string(t.*figure.whole);
    }
}

} // namespace

PerFigure<FigureText> figureTexts(const MachineTotals& t, const Part& legs)
{
    PerFigure<FigureText> texts;
    for (Figure f : allFigures()) {
        const FigureDescriptor& figure = describe(f);
        FigureText& text = texts[f];
        text.text = valueText(figure, t, legs);
        if (figure.hasVerdict()) {
            Verdict verdict = figure.verdict(figure, t);
            text.warning = figure.warns && verdict.warning;
            text.verdict = std::move(verdict.text);
        }
    }
    return texts;
}

std::string textWithNumber(Figure figure, const std::string& text, std::optional<double> number)
{
    if (describe(figure).of || !number || text == formatGeneral(*number)) {
        return text;
    }
    return text + "（" + formatGeneral(*number) + "）";
}

std::string paddedFigureCaption(Figure figure)
{
    return sjis::padRight(describe(figure).caption, 18) + "：";
}

std::string optionBoxName(int n)
{
    return n == 1 ? "Chk1" : "chk" + std::to_string(n);
}

std::string optionMark(bool ticked)
{
    return ticked ? "■" : "□";
}

} // namespace rivet
