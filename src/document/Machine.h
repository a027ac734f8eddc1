#pragma once

#include "appearance/ColorScheme.h"
#include "appearance/PilotLogic.h"
#include "evaluation/Selection.h"

#include <string>
#include <vector>

namespace rivet {

// The one-line text fields of a machine.
enum class TextField { MachineName, PilotName, Emblem, MachinePicture };

// A selection in which no selector shows an item yet (every position -1).
Selection selectionWithoutItems();

// The parts a fresh start shows: head 1, core 1, arms 1, legs 4, generator 1, FCS 1,
// booster 1, arm weapon 1, blade 1, right back 1, left back 41 (no rule applied yet).
Selection initialSelection();

// Everything an ".asm" file holds, as a plain value: the names, the picture files, the
// description, the parts and options, the colours and the pilot settings. It holds nothing
// of the editors (the colour grid's current cell, the sliders, the copy buffer), nothing of
// the file it came from and no figures, so two machines are equal exactly when saving them
// writes the same file. Its defaults are what the window's controls hold before start-up
// fills them.
struct Machine
{
    std::string machineName = "へっぽこ１号";
    std::string pilotName = "へっぽこレイブン";
    std::string emblem = "none.gif";
    std::string picture = "none.gif";
    // The description's lines, separated by "\n".
    std::string description = "初期機体？\nデフォルト？";
    Selection selection = selectionWithoutItems();
    ColorScheme colors;
    PilotSettings pilot;

    std::string& text(TextField field);
    const std::string& text(TextField field) const;
    // The description split at its line breaks; a final line break adds no empty line.
    std::vector<std::string> descriptionLines() const;

    bool operator==(const Machine& other) const;
    bool operator!=(const Machine& other) const { return !(*this == other); }
};

} // namespace rivet
