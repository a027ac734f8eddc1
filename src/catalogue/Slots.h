#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace rivet {

inline constexpr int kSlotCount = 11;
inline constexpr int kOptionCount = 13;

// Slot numbers follow the catalogue files.
enum Slot : int {
    HeadSlot = 0,
    CoreSlot = 1,
    ArmsSlot = 2,
    LegsSlot = 3,
    GeneratorSlot = 4,
    FcsSlot = 5,
    BoosterSlot = 6,
    BackWeaponSlot = 7,
    ArmWeaponSlot = 8,
    BladeSlot = 9,
    OptionSlot = 10,
};

// Position of a slot in arrays kept per slot.
constexpr std::size_t slotIndex(int slot)
{
    return static_cast<std::size_t>(slot);
}

// The selectors cb1..cb11, numbered 1..11 as their names are. Their order differs from the
// slot numbers: cb8 is the arm weapon, cb9 the blade, cb10 and cb11 the back weapons.
inline constexpr int kSelectorCount = 11;
enum Selector : int {
    HeadSelector = 1,
    CoreSelector = 2,
    ArmsSelector = 3,
    LegsSelector = 4,
    GeneratorSelector = 5,
    FcsSelector = 6,
    BoosterSelector = 7,
    ArmWeaponSelector = 8,
    BladeSelector = 9,
    RightBackSelector = 10,
    LeftBackSelector = 11,
};

// Position of a selector in cb1..cb11 order, for arrays kept per selector: 0 for cb1.
constexpr std::size_t selectorIndex(Selector selector)
{
    return static_cast<std::size_t>(selector - 1);
}

// The selector at a position 0..10 of cb1..cb11.
constexpr Selector selectorAt(std::size_t index)
{
    return static_cast<Selector>(index + 1);
}

// Every selector, cb1 first.
constexpr std::array<Selector, kSelectorCount> allSelectors()
{
    std::array<Selector, kSelectorCount> selectors {};
    for (std::size_t i = 0; i < selectors.size(); ++i) {
        selectors[i] = selectorAt(i);
    }
    return selectors;
}

// Position of option box n (1..13), for arrays kept per option: 0 for option 1.
constexpr std::size_t optionIndex(int n)
{
    return static_cast<std::size_t>(n - 1);
}

inline constexpr std::array<Slot, kSelectorCount> kSelectorSlots = {
    HeadSlot,    CoreSlot,      ArmsSlot,  LegsSlot,       GeneratorSlot,  FcsSlot,
    BoosterSlot, ArmWeaponSlot, BladeSlot, BackWeaponSlot, BackWeaponSlot,
};

// The slot whose parts a selector offers.
constexpr Slot slotOfSelector(Selector selector)
{
    return kSelectorSlots[selectorIndex(selector)];
}

// The caption of the catalogue button beside a selector: "頭", "コア" ... "左肩武器".
const char* selectorCaption(Selector selector);

// The selector's control name, "cb1".."cb11".
std::string selectorName(Selector selector);
// The selector of a control name "cb1".."cb11"; nothing for any other text.
std::optional<Selector> selectorNamed(std::string_view name);

} // namespace rivet
