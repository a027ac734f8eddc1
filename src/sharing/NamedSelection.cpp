#include "sharing/NamedSelection.h"

namespace rivet {

namespace {

std::string missingPartMessage(Selector selector, const std::string& name)
{
    return std::string(selectorCaption(selector)) + ": " + name + " がカタログにないため NO EQUIP にしました";
}

std::string missingOptionMessage(const std::string& name)
{
    return "オプション: " + name + " がカタログにないため外しました";
}

// The position of the part, or 0 when the slot has none of that name.
int findPart(const PartsTable& table, int slot, const NamedPart& part)
{
    int first = 0;
    int seen = 0;
    const int count = table.itemCount(slot);
    for (int item = 1; item < count; ++item) {
        const Part* candidate = table.part(slot, item);
        if (candidate && candidate->name == part.name) {
            if (++seen == part.occurrence) {
                return item;
            }
            if (first == 0) {
                first = item;
            }
        }
    }
    return first;
}

bool holds(const PartsTable& table, int box, const std::string& name)
{
    const Part* option = table.option(box);
    return option && option->name == name;
}

} // namespace

NamedSelection nameSelection(const PartsTable& table, const Selection& selection)
{
    NamedSelection named;
    for (Selector selector : allSelectors()) {
        NamedPart& part = named.parts[selectorIndex(selector)];
        const int item = selection.position(selector);
        const int slot = slotOfSelector(selector);
        if (item < 0 || item >= table.itemCount(slot)) {
            part.kind = item < 0 ? NamedPart::Kind::NoItem : NamedPart::Kind::NoEquip;
            continue;
        }
        if (item == 0) {
            part.kind = NamedPart::Kind::NoEquip;
            continue;
        }
        part.kind = NamedPart::Kind::Part;
        part.name = table.part(slot, item)->name;
        part.occurrence = 1;
        for (int before = 1; before < item; ++before) {
            if (table.part(slot, before)->name == part.name) {
                ++part.occurrence;
            }
        }
    }
    for (int box = 1; box <= kOptionCount; ++box) {
        if (!selection.option(box)) {
            continue;
        }
        NamedOption option;
        option.box = box;
        if (const Part* part = table.option(box)) {
            option.name = part->name;
        }
        named.ticked.push_back(option);
    }
    return named;
}

FoundSelection findSelection(const PartsTable& table, const NamedSelection& named)
{
    FoundSelection found;
    for (Selector selector : allSelectors()) {
        const NamedPart& part = named.parts[selectorIndex(selector)];
        int item = part.kind == NamedPart::Kind::NoItem ? -1 : 0;
        if (part.kind == NamedPart::Kind::Part) {
            item = findPart(table, slotOfSelector(selector), part);
            if (item == 0) {
                found.missing.push_back(missingPartMessage(selector, part.name));
            }
        }
        found.selection.setPosition(selector, item);
    }
    for (const NamedOption& option : named.ticked) {
        if (option.box < 1 || option.box > kOptionCount) {
            continue;
        }
        if (!option.name) {
            found.selection.setOption(option.box, true);
            continue;
        }
        int box = holds(table, option.box, *option.name) && !found.selection.option(option.box) ? option.box : 0;
        for (int other = 1; box == 0 && other <= kOptionCount; ++other) {
            if (!found.selection.option(other) && holds(table, other, *option.name)) {
                box = other;
            }
        }
        if (box == 0) {
            found.missing.push_back(missingOptionMessage(*option.name));
        } else {
            found.selection.setOption(box, true);
        }
    }
    return found;
}

} // namespace rivet
