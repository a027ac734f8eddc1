#include "evaluation/FigureTerms.h"

#include "evaluation/MachineTotals.h"
#include "evaluation/PartTraits.h"

namespace rivet {

namespace {

constexpr bool inSelectorOrder()
{
    for (std::size_t i = 0; i < kSlotShares.size(); ++i) {
        if (kSlotShares[i].selector != selectorAt(i)) {
            return false;
        }
    }
    return true;
}
static_assert(inSelectorOrder(), "the slot shares list the selectors in cb1..cb11 order");

} // namespace

Thrust thrustOf(const Part& legs, const Part& booster)
{
    if (isCaterpillar(legs)) {
        return {LegsSelector, kCaterpillarThrust};
    }
    return {BoosterSelector, booster.boost};
}

int countedStabiliser(bool stabiliser, bool stabiliserRe)
{
    return stabiliser ? kStabiliserOption : stabiliserRe ? kStabiliserReOption : 0;
}

std::int32_t stabiliserBonusOf(int n)
{
    switch (n) {
    case kStabiliserOption:
        return 800;
    case kStabiliserReOption:
        return 1600;
    default:
        return 0;
    }
}

} // namespace rivet
