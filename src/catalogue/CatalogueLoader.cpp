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

using Column = std::variant<std::int32_t Part::*, std::string Part::*>;

// The columns of each catalogue file, in file order.
const std::vector<Column>& columnsOf(int slot)
{
    static const std::array<std::vector<Column>, kSlotCount> columns = {{
        // head
        {&Part::name, &Part::price, &Part::weight, &Part::energy, &Part::ap, &Part::shellDefence, &Part::beamDefence,
         &Part::description},
        // core: load capacity comes before slots
        {&Part::name, &Part::price, &Part::weight, &Part::energy, &Part::ap, &Part::shellDefence, &Part::beamDefence,
         &Part::loadCapacity, &Part::slots, &Part::description},
        // arms
        {&Part::name, &Part::price, &Part::weight, &Part::energy, &Part::ap, &Part::shellDefence, &Part::beamDefence,
         &Part::description},
        // legs: moving and resting energy come before AP
        {&Part::name, &Part::price, &Part::weight, &Part::moveEnergy, &Part::restEnergy, &Part::ap, &Part::shellDefence,
         &Part::beamDefence, &Part::loadCapacity, &Part::stability, &Part::speed, &Part::legType, &Part::description},
        // generator
        {&Part::name, &Part::price, &Part::weight, &Part::genOutput, &Part::genCapacity, &Part::redZone,
         &Part::description},
        // FCS
        {&Part::name, &Part::price, &Part::weight, &Part::energy, &Part::description},
        // booster
        {&Part::name, &Part::price, &Part::weight, &Part::energy, &Part::boost, &Part::chargeDrain, &Part::description},
        // back weapon: the two codes come before attack and range
        {&Part::name, &Part::price, &Part::weight, &Part::energy, &Part::shoulder, &Part::sight, &Part::attack,
         &Part::range, &Part::description},
        // arm weapon: the sight comes before attack
        {&Part::name, &Part::price, &Part::weight, &Part::energy, &Part::sight, &Part::attack, &Part::range,
         &Part::description},
        // blade
        {&Part::name, &Part::price, &Part::weight, &Part::energy, &Part::description},
        // option
        {&Part::name, &Part::price, &Part::slots, &Part::description},
    }};
    return columns[slotIndex(slot)];
}

} // namespace

void parsePartLine(Part& record, int slot, std::string_view line)
{
    if (slot < 0 || slot >= kSlotCount) {
        return;
    }
    const std::vector<Column>& columns = columnsOf(slot);
    // Fields after the last column are ignored, so they are not even split off: a line of a
    // million commas would otherwise become a million empty fields.
    const std::vector<std::string> fields = splitCommaText(line, columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i >= fields.size()) {
            throw Failure(formatText("リストのインデックスが範囲を超えています (%d)", static_cast<int>(i)));
        }
        if (auto number = std::get_if<std::int32_t Part::*>(&columns[i])) {
            record.*(*number) = toInt32(fields[i]);
        } else {
            record.*std::get<std::string Part::*>(columns[i]) = fields[i];
        }
    }
}

int loadSlotCatalogue(PartsTable& table, int slot, const std::string& dataDir, const std::string& fileName)
{
    const SlotGroup group = kSlotGroups.at(slotIndex(slot));
    table.store(group.first, noEquipPart(slot));
    const std::string path = dataDir + fileName;
    // The fixed messages say what is wrong; the player also needs to know where.
    const auto tooMany = [&] {
        return Failure(
            withDetail(kRangeCheckError, formatText("ファイル %s: 部品は %d 個まで", path.c_str(), group.size - 2)));
    };
    int i = 1;
    readCatalogueFile(path, [&](std::string_view line, std::size_t k) {
        if (k < 2 || line.empty()) {
            return; // the two heading lines, and empty lines
        }
        if (i > group.size - 1) {
            throw tooMany();
        }
        Part part;
        try {
            parsePartLine(part, slot, line);
        } catch (const Failure& failure) {
            table.store(group.first + i, std::move(part));
            throw Failure(withDetail(failure.what(), formatText("ファイル %s の %zu 行目", path.c_str(), k + 1)));
        }
        table.store(group.first + i, std::move(part));
        ++i;
    });
    if (i > group.size - 1) {
        throw tooMany();
    }
    table.store(group.first + i, endMarkerPart());
    return i;
}

} // namespace rivet
