#include "RandomCatalogue.h"

#include <random>
#include <string>

namespace rivet::test {

namespace {

class Draw
{
public:
    Draw(std::uint32_t seed, const CatalogueShape& shape)
        : m_random(seed)
        , m_shape(shape)
    {
    }

    int number(int low, int high)
    {
        if (m_shape.coarse) {
            return std::uniform_int_distribution<int>(0, 1)(m_random) ? low : (low + high) / 2;
        }
        const int value = std::uniform_int_distribution<int>(low, high)(m_random);
        return m_shape.negatives && chance(8) ? -value / 4 : value;
    }
    bool chance(int oneIn) { return std::uniform_int_distribution<int>(0, oneIn - 1)(m_random) == 0; }
    template <typename T, std::size_t N> const T& pick(const T (&items)[N])
    {
        return items[std::uniform_int_distribution<std::size_t>(0, N - 1)(m_random)];
    }

private:
    std::mt19937 m_random;
    const CatalogueShape& m_shape;
};

void body(Part& p, Draw& draw, const CatalogueShape& shape, int ap, int weight)
{
    p.ap = draw.number(ap / 2, ap);
    p.weight = draw.number(weight / 2, weight);
    const int defence = shape.heavyArmour ? 900 : 300;
    p.shellDefence = draw.number(defence / 3, defence);
    p.beamDefence = draw.number(defence / 3, defence);
    p.energy = draw.number(100, 900);
}

Part partFor(int slot, int index, Draw& draw, const CatalogueShape& shape)
{
    Part p;
    p.name = "P" + std::to_string(slot) + "-" + std::to_string(index);
    // Coarse catalogues price every part alike: machines of as many parts then cost the same.
    p.price = shape.coarse ? 10000 : draw.number(5000, 60000);
    switch (slot) {
    case HeadSlot:
        body(p, draw, shape, 1000, 260);
        break;
    case CoreSlot:
        body(p, draw, shape, 3000, 1400);
        p.loadCapacity = draw.number(1200, 3300);
        p.slots = draw.number(2, 8);
        break;
    case ArmsSlot:
        body(p, draw, shape, 2000, 2100);
        if (index == 2) {
            p.name = "ANKS-1A46J";
        }
        break;
    case LegsSlot: {
        static const char* const kTypes[] = {"N", "R", "F26", "C07"};
        body(p, draw, shape, 4000, 3500);
        p.energy = 0;
        p.legType = index <= 4 ? kTypes[index - 1] : draw.pick(kTypes);
        p.name = index == 1 ? "LN-SSVR" : p.name;
        p.loadCapacity = draw.number(3000, 8000);
        p.moveEnergy = draw.number(500, 2800);
        p.restEnergy = draw.number(300, 1000);
        p.stability = draw.number(500, 3000);
        break;
    }
    case GeneratorSlot:
        p.weight = draw.number(300, 700);
        p.genOutput = draw.number(3000, 10000);
        break;
    case FcsSlot:
    case BladeSlot:
        p.weight = draw.number(10, 250);
        p.energy = draw.number(10, 90);
        break;
    case BoosterSlot:
        p.weight = draw.number(200, 330);
        p.energy = draw.number(20, 60);
        p.boost = draw.number(6000, 26000);
        break;
    case BackWeaponSlot: {
        static const char* const kMounts[] = {"1", "2", "1D", "2D"};
        p.weight = draw.number(150, 2000);
        p.energy = draw.number(100, 2500);
        p.shoulder = index <= 4 ? kMounts[index - 1] : draw.pick(kMounts);
        break;
    }
    case ArmWeaponSlot:
        p.weight = draw.number(300, 1200);
        p.energy = draw.number(0, 500);
        p.name = index == 1 ? "WG-1-KARASAWA" : p.name;
        break;
    case OptionSlot:
        p.price = shape.coarse ? 10000 : draw.number(10000, 70000);
        p.slots = draw.number(1, 3);
        break;
    default:
        break;
    }
    return p;
}

} // namespace

PartsTable randomCatalogue(std::uint32_t seed, const CatalogueShape& shape)
{
    Draw draw(seed, shape);
    PartsTable table;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const SlotGroup group = kSlotGroups[static_cast<std::size_t>(slot)];
        const int count = slot == OptionSlot ? shape.options : shape.parts[static_cast<std::size_t>(slot)];
        table.store(group.first, noEquipPart(slot));
        for (int i = 1; i <= count; ++i) {
            table.store(group.first + i, partFor(slot, i, draw, shape));
        }
        table.store(group.first + count + 1, endMarkerPart());
    }
    return table;
}

} // namespace rivet::test
