#pragma once

#include "catalogue/PartsTable.h"
#include "evaluation/Selection.h"

#include <string>

namespace rivet::test {

// The factory catalogue, loaded once per test program from a temporary data folder.
const PartsTable& factoryTable();

// Position of a part in a selector by its name (the test fails on an unknown name).
int positionOf(Selector selector, const std::string& name);

// A selection of the factory catalogue given by part names, cb1..cb11 ("" for NO EQUIP).
Selection selectionOf(const std::array<std::string, kSelectorCount>& names);

// The start-up selection: head 1, core 1, arms 1, legs 4, ... right back 1, left back 41.
Selection startupSelection();

} // namespace rivet::test
