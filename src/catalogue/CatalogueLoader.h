#pragma once

#include "catalogue/PartsTable.h"

#include <string>
#include <string_view>

namespace rivet {

// Splits a catalogue line and assigns its fields to the record in the slot's column order.
// Slot numbers outside 0..10 leave the record untouched. Fails with
// "リストのインデックスが範囲を超えています (%d)" for a missing column and
// "'%s' は整数ではありません" for a number that does not convert; columns before the failing
// one stay assigned.
void parsePartLine(Part& record, int slot, std::string_view line);

// Reads dataDir + fileName into the slot's group; returns the group index of the end marker
// (the number of parts + 1). The first two lines are skipped whatever they hold, empty lines
// are skipped, any other line is a part. Fails with "範囲チェックエラー" when the group is too
// small; a failing line keeps its entry with the fields assigned before the failure.
int loadSlotCatalogue(PartsTable& table, int slot, const std::string& dataDir, const std::string& fileName);

} // namespace rivet
