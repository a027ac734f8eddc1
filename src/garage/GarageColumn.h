#pragma once

#include "catalogue/Slots.h"
#include "evaluation/Figure.h"

#include <string>
#include <vector>

namespace rivet {

// A column of the garage's list: the file, the machine's and the pilot's names, the last
// change, one of the sixteen figures, the part of one selector, or the ticked options.
struct GarageColumn
{
    enum class Kind { File, MachineName, PilotName, Modified, Figure, Part, Options };
    Kind kind = Kind::File;
    rivet::Figure figure = rivet::Figure::Ap; // for Kind::Figure
    Selector selector = HeadSelector; // for Kind::Part

    static GarageColumn of(Kind kind) { return {kind, rivet::Figure::Ap, HeadSelector}; }
    static GarageColumn ofFigure(rivet::Figure f) { return {Kind::Figure, f, HeadSelector}; }
    static GarageColumn ofPart(Selector s) { return {Kind::Part, rivet::Figure::Ap, s}; }

    bool operator==(const GarageColumn& other) const;
    bool operator!=(const GarageColumn& other) const { return !(*this == other); }
};

// Every column in the list's order: file, machine name, pilot, last change, ed1..ed16, the
// parts cb1..cb11, the options.
const std::vector<GarageColumn>& garageColumns();
// The column at a position of the list, 0 for the file.
const GarageColumn& garageColumnAt(int position);

// The header of a column: "ファイル", "機体名", a figure's caption, a selector's caption...
std::string columnCaption(const GarageColumn& column);

} // namespace rivet
