#pragma once

#include "document/Machine.h"

#include <string>
#include <vector>

namespace rivet {

// A machine taken in from a code, a card or a report, placed in this catalogue.
struct TakenMachine
{
    Machine machine;
    // One line per part or option this catalogue does not hold (its selector shows NO EQUIP).
    std::vector<std::string> missing;
    // What it was read from, for the player: "機体コード", "テキスト形式のテンプレート1 のレポート".
    std::string source;
};

} // namespace rivet
