#include "evaluation/PartTraits.h"

namespace rivet {

namespace {

// Character at a 1-based position of a code; nothing past its end.
char codeAt(const std::string& code, std::size_t position)
{
    return position <= code.size() ? code[position - 1] : '\0';
}

} // namespace

bool isCaterpillar(const Part& legs)
{
    return codeAt(legs.legType, 1) == 'C';
}

bool forbidsKarasawa(const Part& legs)
{
    const char kind = codeAt(legs.legType, 1);
    return kind == 'F' || kind == 'C' || legs.name == "LN-SSVR";
}

bool isKarasawa(const Part& armWeapon)
{
    return armWeapon.name == "WG-1-KARASAWA";
}

bool isWeaponArms(int armsPosition)
{
    return armsPosition >= 10;
}

bool isAnksArms(const Part& arms, int armsPosition)
{
    return armsPosition >= 0 && arms.name == "ANKS-1A46J";
}

bool isTwoSlotWeapon(const Part& backWeapon)
{
    return codeAt(backWeapon.shoulder, 1) == '2';
}

bool hasDMark(const Part& backWeapon)
{
    return codeAt(backWeapon.shoulder, 2) == 'D';
}

} // namespace rivet
