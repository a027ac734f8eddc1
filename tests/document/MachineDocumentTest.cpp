// The document's change path: what each kind of change does to the machine and to the save
// action.
#include "document/MachineDocument.h"
#include "support/FactoryCatalogue.h"

#include <gtest/gtest.h>

using namespace rivet;
using rivet::test::positionOf;

namespace {

class Document : public ::testing::Test
{
protected:
    Document()
        : document(rivet::test::factoryTable())
    {
        document.startNew();
    }

    MachineDocument document;
};

} // namespace

// The drop-down and the parts-list viewer build the same machine: a two-slot weapon picked
// for one side empties the other.
TEST_F(Document, aTwoSlotWeaponPickedInThePartsListEmptiesTheOtherSide)
{
    const int twoSlot = positionOf(RightBackSelector, "WX-S800-GF");
    ASSERT_NE(document.position(LeftBackSelector), 0);
    document.pickPart(RightBackSelector, twoSlot);
    EXPECT_EQ(document.position(RightBackSelector), twoSlot);
    EXPECT_EQ(document.position(LeftBackSelector), 0);

    MachineDocument chosen(rivet::test::factoryTable());
    chosen.startNew();
    chosen.choosePart(RightBackSelector, twoSlot);
    EXPECT_EQ(chosen.machine(), document.machine());
}
