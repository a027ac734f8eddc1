#pragma once

#include "comparison/MachineComparison.h"
#include "evaluation/MachineEvaluation.h"

#include <vector>

namespace rivet {

// What choosing one item would do to the current machine.
struct ChoicePreview
{
    Selector selector = HeadSelector;
    int item = 0;
    // The machine as the choice would leave it.
    MachineEvaluation machine;
    // The current machine as base, the chosen one as other. Its parts are the selectors the
    // choice changes besides putting the item in place: those the rules and the pairing
    // change along with it, and the chosen selector itself when the rules refuse the item.
    MachineComparison comparison;
    // The figures the choice would turn into warnings (figureWarns), in ed1..ed16 order.
    std::vector<Figure> warnings;

    // True when the choice would leave the machine as it is.
    bool changesNothing() const;
    // False when the rules would take the chosen item off again at once.
    bool equipped() const { return machine.selection.position(selector) == item; }
};

// Item `item` of the selector chosen in the current machine, in the selector or the
// parts-list viewer alike (choosePart). The item the selector already shows changes nothing, as the selector raises no
// change event for it; neither does an item the list does not have.
ChoicePreview previewChoice(const PartsTable& table, const MachineEvaluation& current, Selector selector, int item);

// Every item of the selector's list, in list order.
std::vector<ChoicePreview> previewList(const PartsTable& table, const MachineEvaluation& current, Selector selector);

} // namespace rivet
