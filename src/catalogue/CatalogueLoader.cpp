#include "catalogue/CatalogueLoader.h"

#include "common/CommaText.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/Numbers.h"
#include "common/TextFile.h"

#include <variant>
#include <vector>

namespace rivet {

namespace {

using Column = std::variant<std::int32_t Tparts::*, std::string Tparts::*>;

// The columns of each catalogue file, in file order.
const std::vector<Column>& columnsOf(int slot)
{
    static const std::array<std::vector<Column>, kSlotCount> columns = {{
        // head
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::energy, &Tparts::ap, &Tparts::shellDefence,
         &Tparts::beamDefence, &Tparts::description},
        // core: load capacity comes before slots
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::energy, &Tparts::ap, &Tparts::shellDefence,
         &Tparts::beamDefence, &Tparts::loadCapacity, &Tparts::slots, &Tparts::description},
        // arms
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::energy, &Tparts::ap, &Tparts::shellDefence,
         &Tparts::beamDefence, &Tparts::description},
        // legs: moving and resting energy come before AP
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::moveEnergy, &Tparts::restEnergy, &Tparts::ap,
         &Tparts::shellDefence, &Tparts::beamDefence, &Tparts::loadCapacity, &Tparts::stability, &Tparts::speed,
         &Tparts::legType, &Tparts::description},
        // generator
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::genOutput, &Tparts::genCapacity, &Tparts::redZone,
         &Tparts::description},
        // FCS
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::energy, &Tparts::description},
        // booster
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::energy, &Tparts::boost, &Tparts::chargeDrain,
         &Tparts::description},
        // back weapon: the two codes come before attack and range
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::energy, &Tparts::shoulder, &Tparts::sight,
         &Tparts::attack, &Tparts::range, &Tparts::description},
        // arm weapon: the sight comes before attack
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::energy, &Tparts::sight, &Tparts::attack,
         &Tparts::range, &Tparts::description},
        // blade
        {&Tparts::name, &Tparts::price, &Tparts::weight, &Tparts::energy, &Tparts::description},
        // option
        {&Tparts::name, &Tparts::price, &Tparts::slots, &Tparts::description},
    }};
    return columns[static_cast<std::size_t>(slot)];
}

} // namespace

void parsePartLine(Tparts& record, int slot, const std::string& line)
{
    if (slot < 0 || slot >= kSlotCount) {
        return;
    }
    const std::vector<std::string> fields = splitCatalogueLine(line);
    const std::vector<Column>& columns = columnsOf(slot);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i >= fields.size()) {
            throw Failure(formatText("リストのインデックスが範囲を超えています (%d)", static_cast<int>(i)));
        }
        if (auto number = std::get_if<std::int32_t Tparts::*>(&columns[i])) {
            record.*(*number) = toInt32(fields[i]);
        } else {
            record.*std::get<std::string Tparts::*>(columns[i]) = fields[i];
        }
    }
}

int loadSlotCatalogue(PartsTable& table, int slot, const std::string& dataDir, const std::string& fileName)
{
    const SlotGroup group = kSlotGroups.at(static_cast<std::size_t>(slot));
    table.store(group.first, noEquipPart(slot));
    const std::vector<std::string> lines = readCatalogueLines(dataDir + fileName);
    int i = 1;
    for (std::size_t k = 2; k < lines.size(); ++k) {
        if (lines[k].empty()) {
            continue;
        }
        if (i > group.size - 1) {
            throw Failure(kRangeCheckError);
        }
        Tparts part;
        try {
            parsePartLine(part, slot, lines[k]);
        } catch (const Failure&) {
            table.store(group.first + i, std::move(part));
            throw;
        }
        table.store(group.first + i, std::move(part));
        ++i;
    }
    if (i > group.size - 1) {
        throw Failure(kRangeCheckError);
    }
    table.store(group.first + i, endMarkerPart());
    return i;
}

void loadCatalogue(PartsTable& table, const std::string& dataDir)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        loadSlotCatalogue(table, slot, dataDir, slotFileNames[static_cast<std::size_t>(slot)]);
    }
}

} // namespace rivet
