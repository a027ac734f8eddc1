#include "document/NewAssembly.h"

#include "document/Assembly.h"

namespace rivet {

void applyInitialSelection(Assembly& assembly)
{
    static constexpr int kInitialItems[kSelectorCount] = {1, 1, 1, 4, 1, 1, 1, 1, 1, 1, 41};
    for (int selector = 1; selector <= kSelectorCount; ++selector) {
        assembly.setPositionFromCode(selector, kInitialItems[selector - 1]);
    }
}

void prepareNewAssembly(Assembly& assembly)
{
    applyInitialSelection(assembly);
    assembly.colors().resetColorScheme();
    assembly.setCurrentFile("none");
}

} // namespace rivet
