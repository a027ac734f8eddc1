#include "support/FactoryCatalogue.h"

#include "startup/StartUp.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace rivet::test {

const PartsTable& factoryTable()
{
    static const std::unique_ptr<Workspace> workspace = [] {
        TempHome home;
        auto started = std::make_unique<Workspace>();
        startUp(*started, Paths::inFolder(home.path()));
        return started;
    }();
    return workspace->table;
}

int positionOf(int selector, const std::string& name)
{
    if (name.empty()) {
        return 0;
    }
    const auto items = factoryTable().selectorItems(slotOfSelector(selector));
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == name) {
            return static_cast<int>(i);
        }
    }
    ADD_FAILURE() << "no part " << name << " for cb" << selector;
    return 0;
}

Selection selectionOf(const std::array<std::string, kSelectorCount>& names)
{
    Selection selection;
    for (int selector = 1; selector <= kSelectorCount; ++selector) {
        selection.setPosition(selector, positionOf(selector, names[static_cast<std::size_t>(selector - 1)]));
    }
    return selection;
}

Selection startupSelection()
{
    Selection selection;
    const int items[kSelectorCount] = {1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 41};
    for (int selector = 1; selector <= kSelectorCount; ++selector) {
        selection.setPosition(selector, items[selector - 1]);
    }
    return selection;
}

} // namespace rivet::test
