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

int positionOf(Selector selector, const std::string& name)
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
    ADD_FAILURE() << "no part " << name << " for " << selectorName(selector);
    return 0;
}

Selection selectionOf(const std::array<std::string, kSelectorCount>& names)
{
    Selection selection;
    for (Selector selector : allSelectors()) {
        selection.setPosition(selector, positionOf(selector, names[selectorIndex(selector)]));
    }
    return selection;
}

Selection startupSelection()
{
    Selection selection;
    const std::array<int, kSelectorCount> items = {1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 41};
    for (Selector selector : allSelectors()) {
        selection.setPosition(selector, items[selectorIndex(selector)]);
    }
    return selection;
}

} // namespace rivet::test
