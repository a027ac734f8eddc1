#pragma once

#include "evaluation/Selection.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rivet {

// A selector's part as a shared machine names it: by its name, never by its place in the
// catalogue, so that a machine survives parts inserted, removed or reordered.
struct NamedPart
{
    enum class Kind { NoItem, NoEquip, Part };
    Kind kind = Kind::NoEquip;
    std::string name;
    // Which part of that name, when a catalogue holds several (1 the first).
    int occurrence = 1;

    bool operator==(const NamedPart& other) const
    {
        return kind == other.kind && name == other.name && occurrence == other.occurrence;
    }
};

// A ticked option box: the box, and the name of the option it held (nothing when the
// catalogue had no row for the box).
struct NamedOption
{
    int box = 1;
    std::optional<std::string> name;
};

struct NamedSelection
{
    std::array<NamedPart, kSelectorCount> parts;
    std::vector<NamedOption> ticked;
};

// The selection by names: what each selector shows and what each ticked box holds.
NamedSelection nameSelection(const PartsTable& table, const Selection& selection);

// A named selection placed in this catalogue, with what could not be placed.
struct FoundSelection
{
    Selection selection;
    // One line per part or option the catalogue does not hold, for the player.
    std::vector<std::string> missing;
};

// Each part is looked up by name (the occurrence-th of that name, else the first): found
// elsewhere it is taken silently, not found its selector shows NO EQUIP and the part is
// listed as missing. A ticked option goes to its own box when the box still holds it, else
// to the first unticked box holding an option of that name, else it is listed as missing; a
// box that held no row stays ticked as it was.
FoundSelection findSelection(const PartsTable& table, const NamedSelection& named);

} // namespace rivet
