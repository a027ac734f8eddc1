#include "RandomMachine.h"

#include "appearance/ColorCodes.h"
#include "support/FactoryCatalogue.h"

#include <array>

namespace rivet::test {

namespace {

int uniform(std::mt19937& random, int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

std::string randomText(std::mt19937& random, int maxCharacters, bool reportSafe)
{
    static const std::array<const char*, 12> pieces = {"A", "z", "9", "-", "機", "体", "へ", "ｶ", "１", "/", "_", "."};
    static const std::array<const char*, 4> unsafe = {" ", "#ap", "😀", "\"q\""};
    std::string text;
    const int count = uniform(random, reportSafe ? 1 : 0, maxCharacters);
    for (int i = 0; i < count; ++i) {
        text += !reportSafe && uniform(random, 0, 9) == 0 ? unsafe[static_cast<std::size_t>(uniform(random, 0, 3))]
                                                          : pieces[static_cast<std::size_t>(uniform(random, 0, 11))];
    }
    return text;
}

std::string randomCell(std::mt19937& random, int layer, bool reportSafe)
{
    static const std::array<const char*, 4> factory = {"323628", "162012", "182412", "121812"};
    switch (uniform(random, 0, reportSafe ? 1 : 3)) {
    case 0:
        return factory[static_cast<std::size_t>(layer - 1)];
    case 1:
        return formatColorCode(uniform(random, 0, 64), uniform(random, 0, 64), uniform(random, 0, 64));
    case 2:
        return std::to_string(uniform(random, -99999, 9999999)); // hand-edited
    default:
        return uniform(random, 0, 1) ? std::string(" ") : randomText(random, 8, false);
    }
}

} // namespace

Machine randomMachine(std::mt19937& random, RandomMachineOptions options)
{
    const bool safe = options.reportSafe;
    Machine machine;
    machine.machineName = randomText(random, 10, safe);
    machine.pilotName = randomText(random, 10, safe);
    machine.emblem = uniform(random, 0, 1) ? "none.gif" : randomText(random, 12, safe) + ".gif";
    machine.picture = uniform(random, 0, 1) ? "none.gif" : randomText(random, 12, safe) + ".png";
    machine.description.clear();
    const int lines = uniform(random, 0, 1) ? 0 : uniform(random, 1, 11);
    for (int line = 0; line < lines; ++line) {
        machine.description += (line ? "\n" : "") + randomText(random, 60, safe);
    }
    const PartsTable& table = factoryTable();
    for (Selector selector : allSelectors()) {
        const int count = table.itemCount(slotOfSelector(selector));
        machine.selection.setPosition(selector, uniform(random, -1, count - 1));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        machine.selection.setOption(n, uniform(random, 0, 1) != 0);
    }
    const std::array<const char*, 4> regions = {"HEAD", "CORE", "ARMS", "LEGS"};
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        machine.colors.cell(0, region) = !safe && uniform(random, 0, 7) == 0
            ? randomText(random, 6, false)
            : regions[static_cast<std::size_t>(region - 1)];
        for (int layer = 1; layer <= 4; ++layer) {
            machine.colors.cell(layer, region) = randomCell(random, layer, safe);
        }
    }
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        machine.pilot.setValue(n, uniform(random, PilotSettings::minimum(n), PilotSettings::maximum(n)));
    }
    return machine;
}

} // namespace rivet::test
