#include "sharing/FactoryNames.h"

#include "catalogue/DefaultCatalogue.h"
#include "catalogue/PartsTable.h"
#include "common/CommaText.h"

#include <array>
#include <sstream>
#include <unordered_map>

namespace rivet {

namespace {

struct FactoryNames
{
    std::array<std::vector<std::string>, kSlotCount> names;
    std::array<std::unordered_map<std::string, int>, kSlotCount> numbers;
};

int slotOfFile(const std::string& fileName)
{
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (fileName == slotFileNames[slotIndex(slot)]) {
            return slot;
        }
    }
    return -1;
}

// Read from the built-in catalogue as the loader reads a file: two heading lines, then every
// non-empty line a part whose first field is its name.
FactoryNames readFactoryNames()
{
    FactoryNames factory;
    std::istringstream text(defaultCatalogueText());
    std::string line;
    int slot = -1;
    int headings = 0;
    while (std::getline(text, line)) {
        if (!line.empty() && line[0] == '$') {
            slot = slotOfFile(line.substr(1));
            headings = 2;
        } else if (headings > 0) {
            --headings;
        } else if (slot >= 0 && !line.empty()) {
            auto& names = factory.names[slotIndex(slot)];
            const std::string name = splitCatalogueLine(line).at(0);
            names.push_back(name);
            factory.numbers[slotIndex(slot)].emplace(name, static_cast<int>(names.size()));
        }
    }
    return factory;
}

const FactoryNames& factoryNames()
{
    static const FactoryNames names = readFactoryNames();
    return names;
}

} // namespace

const std::vector<std::string>& factoryPartNames(int slot)
{
    return factoryNames().names.at(slotIndex(slot));
}

int factoryPartNumber(int slot, const std::string& name)
{
    const auto& numbers = factoryNames().numbers.at(slotIndex(slot));
    const auto found = numbers.find(name);
    return found == numbers.end() ? 0 : found->second;
}

} // namespace rivet
