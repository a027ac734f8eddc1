#include "catalogue/Slots.h"

namespace rivet {

const char* selectorCaption(Selector selector)
{
    static constexpr std::array<const char*, kSelectorCount> captions = {
        "頭", "コア", "腕", "脚", "ジェネレータ", "ＦＣＳ", "ブースター", "腕武器", "ブレード", "右肩武器", "左肩武器",
    };
    return captions[selectorIndex(selector)];
}

std::string selectorName(Selector selector)
{
    return "cb" + std::to_string(static_cast<int>(selector));
}

std::optional<Selector> selectorNamed(std::string_view name)
{
    for (Selector selector : allSelectors()) {
        if (name == selectorName(selector)) {
            return selector;
        }
    }
    return std::nullopt;
}

} // namespace rivet
