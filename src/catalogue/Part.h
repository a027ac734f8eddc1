#pragma once

#include <cstdint>
#include <string>

namespace rivet {

// One catalogue part. Which fields a part fills depends on its slot's catalogue file; the
// others stay 0 or empty. Texts are UTF-8 (the files are Shift-JIS).
struct Part
{
    std::int32_t slot = 0; // set on NO EQUIP entries only
    std::string name;
    std::int32_t price = 0;
    std::int32_t weight = 0;
    std::int32_t energy = 0;
    std::int32_t ap = 0;
    std::int32_t shellDefence = 0;
    std::int32_t beamDefence = 0;
    std::int32_t slots = 0; // core: option slots offered; option: slots taken
    std::int32_t loadCapacity = 0; // core: maximum load; legs: load capacity
    std::int32_t moveEnergy = 0;
    std::int32_t restEnergy = 0;
    std::int32_t stability = 0;
    std::int32_t speed = 0;
    std::int32_t genOutput = 0;
    std::int32_t genCapacity = 0;
    std::int32_t redZone = 0;
    std::int32_t boost = 0;
    std::int32_t chargeDrain = 0;
    std::string legType; // "N", "R", "F26", "C06", ...
    std::string shoulder; // "1", "2", "1D", "2D"
    std::int32_t attack = 0;
    std::string sight;
    std::int32_t range = 0;
    std::string description;
};

// The entry that stands for an empty slot: every number 0, leg type "0", description "no".
Part noEquipPart(int slot);
// The entry that closes a slot group; never shown.
Part endMarkerPart();

} // namespace rivet
