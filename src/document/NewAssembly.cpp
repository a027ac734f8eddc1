#include "document/NewAssembly.h"

#include "document/Assembly.h"

namespace rivet {

void applyInitialSelection(Assembly& assembly)
{
    static constexpr std::array<int, kSelectorCount> kInitialItems = {1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 41};
    for (Selector selector : allSelectors()) {
        assembly.setPositionFromCode(selector, kInitialItems[selectorIndex(selector)]);
    }
}

void prepareNewAssembly(Assembly& assembly)
{
    applyInitialSelection(assembly);
    assembly.colors().resetColorScheme();
    assembly.setCurrentFile("none");
}

} // namespace rivet
