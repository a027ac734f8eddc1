#include "sharing/ReportReading.h"

#include "appearance/ColorCodes.h"
#include "common/Failure.h"
#include "common/Numbers.h"
#include "common/TextFile.h"
#include "document/DocumentService.h"
#include "sharing/FactoryNames.h"
#include "sharing/NamedSelection.h"
#include "sharing/ReportFields.h"

#include <algorithm>
#include <array>

namespace rivet {

namespace {

using Values = std::vector<std::optional<std::string>>;

std::string trimmedEnd(std::string text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

// A name as the report writes it, without the padding of a text report.
std::string nameOf(const std::string& value, ReportKind kind)
{
    return kind == ReportKind::Text ? trimmedEnd(value) : value;
}

std::string descriptionOf(const std::string& value, ReportKind kind)
{
    std::string text;
    if (kind == ReportKind::Html) {
        static const std::string br = "<br>";
        for (std::size_t at = 0; at < value.size();) {
            if (value.compare(at, br.size(), br) == 0) {
                text += '\n';
                at += br.size();
            } else {
                text += value[at++];
            }
        }
        return text;
    }
    text = value;
    // The template's own line end after the description, and blank lines a board added.
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\t')) {
        text.pop_back();
    }
    return text;
}

// The channel a screen level shows (4 × channel, 64 giving 255).
int channelOfLevel(int level)
{
    return level >= 255 ? 64 : level / 4;
}

void readColors(const Values& values, ColorScheme& colors)
{
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        for (int layer = 1; layer <= 4; ++layer) {
            const std::size_t first = kFirstColorField + static_cast<std::size_t>(((region - 1) * 4 + layer - 1) * 4);
            if (!values[first] && !values[first + 1] && !values[first + 2] && !values[first + 3]) {
                continue;
            }
            std::string& cell = colors.cell(layer, region);
            ColorChannels channels = tryColorChannels(cell).value_or(ColorChannels {});
            std::array<int*, 3> parts = {&channels.red, &channels.green, &channels.blue};
            if (const auto& code = values[first]) {
                const std::string hex = code->substr(code->size() - 6);
                for (std::size_t i = 0; i < 3; ++i) {
                    *parts[i] = channelOfLevel(std::stoi(hex.substr(i * 2, 2), nullptr, 16));
                }
            }
            for (std::size_t i = 0; i < 3; ++i) {
                if (const auto& channel = values[first + 1 + i]) {
                    if (const auto value = parseInt32(*channel)) {
                        *parts[i] = *value;
                    }
                }
            }
            cell = formatColorCode(channels.red, channels.green, channels.blue);
        }
    }
}

// The option the template names after a box's mark ("#opt04SP-ABS"): the longest name of an
// option of this catalogue or the factory one that the text starts with.
std::optional<std::string> optionNamedAfter(const std::string& text, const PartsTable& table)
{
    std::optional<std::string> best;
    auto consider = [&](const std::string& name) {
        if (!name.empty() && text.compare(0, name.size(), name) == 0 && (!best || name.size() > best->size())) {
            best = name;
        }
    };
    for (int box = 1; box <= kOptionCount; ++box) {
        if (const Part* option = table.option(box)) {
            consider(option->name);
        }
    }
    for (const std::string& name : factoryPartNames(OptionSlot)) {
        consider(name);
    }
    return best;
}

void readParts(const Values& values, const ReportPattern& pattern, const PartsTable& table, NamedSelection& named)
{
    for (Selector selector : allSelectors()) {
        const auto& value = values[kFirstPartField + selectorIndex(selector)];
        if (!value) {
            continue;
        }
        const std::string name = nameOf(*value, pattern.kind());
        NamedPart& part = named.parts[selectorIndex(selector)];
        part = NamedPart {};
        part.kind = name.empty() ? NamedPart::Kind::NoItem
            : name == "NO EQUIP" ? NamedPart::Kind::NoEquip
                                 : NamedPart::Kind::Part;
        part.name = part.kind == NamedPart::Kind::Part ? name : std::string();
    }
    std::vector<NamedOption> ticked;
    for (int box = 1; box <= kOptionCount; ++box) {
        const std::size_t field = kFirstOptionField + optionIndex(box);
        const auto& mark = values[field];
        const bool wasTicked = std::any_of(named.ticked.begin(), named.ticked.end(),
                                           [&](const NamedOption& option) { return option.box == box; });
        if (mark ? *mark != optionMark(true) : !wasTicked) {
            continue;
        }
        NamedOption option;
        option.box = box;
        option.name = optionNamedAfter(pattern.textAfter(field), table);
        if (!option.name) {
            // The template does not name it: the box is what the report ticked.
            if (const Part* own = table.option(box)) {
                option.name = own->name;
            }
        }
        ticked.push_back(option);
    }
    named.ticked = ticked;
}

TakenMachine machineOf(const Values& values, const ReportTemplate& report, const PartsTable& table)
{
    const ReportKind kind = report.pattern.kind();
    Machine machine = startAsTheWindowDoes(table)->machine();
    if (values[kMachineNameField]) {
        machine.machineName = nameOf(*values[kMachineNameField], kind);
    }
    if (values[kPilotNameField]) {
        machine.pilotName = nameOf(*values[kPilotNameField], kind);
    }
    if (values[kEmblemField]) {
        machine.emblem = trimmedEnd(*values[kEmblemField]);
    }
    if (values[kPictureField]) {
        machine.picture = trimmedEnd(*values[kPictureField]);
    }
    if (values[kMemoField]) {
        machine.description = descriptionOf(*values[kMemoField], kind);
    }
    readColors(values, machine.colors);
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        const std::size_t field = kFirstPilotField + PilotSettings::index(n);
        if (values[field]) {
            machine.pilot.setValue(n, logicValue(field, *values[field]).value_or(machine.pilot.value(n)));
        }
    }
    NamedSelection named = nameSelection(table, machine.selection);
    readParts(values, report.pattern, table, named);
    FoundSelection found = findSelection(table, named);
    machine.selection = found.selection;
    TakenMachine taken;
    taken.machine = std::move(machine);
    taken.missing = std::move(found.missing);
    taken.source = std::string(kind == ReportKind::Text ? "テキスト形式" : "html形式") + "のテンプレート"
        + std::to_string(report.number) + " のレポート";
    return taken;
}

} // namespace

std::vector<ReportTemplate> readReportTemplates(const std::string& dataDir)
{
    std::vector<ReportTemplate> templates;
    for (ReportKind kind : {ReportKind::Text, ReportKind::Html}) {
        for (int number = 1; number <= 3; ++number) {
            const std::string path = templatePath(dataDir, kind, number);
            if (!fileExists(path)) {
                continue;
            }
            try {
                templates.push_back(
                    ReportTemplate {kind, number, ReportPattern(splitTextLines(readNormalisedText(path)), kind)});
            } catch (const Failure&) {
                // A template that does not read cannot have written the report either.
            }
        }
    }
    return templates;
}

std::optional<TakenMachine> readReport(std::string_view report, const std::vector<ReportTemplate>& templates,
                                       const PartsTable& table)
{
    const std::string text = withNewlines(report);
    const ReportTemplate* best = nullptr;
    Values bestValues;
    for (const ReportTemplate& candidate : templates) {
        if (!candidate.pattern.canRecognise()
            || (best && candidate.pattern.literalLength() <= best->pattern.literalLength())) {
            continue;
        }
        if (auto values = candidate.pattern.match(text)) {
            best = &candidate;
            bestValues = std::move(*values);
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return machineOf(bestValues, *best, table);
}

} // namespace rivet
