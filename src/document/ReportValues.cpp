#include "document/ReportValues.h"

#include "appearance/ColorCodes.h"
#include "common/ErrorText.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "document/MachineDocument.h"
#include "document/TemplateExpansion.h"
#include "evaluation/FigureTexts.h"

namespace rivet {

namespace {

constexpr int kNameWidth = 15;
constexpr int kFigureWidth = 11;

std::string channelText(int value)
{
    return formatText("%.2d", value);
}

std::string levelHex(int value)
{
    return formatText("%02X", static_cast<unsigned int>(screenLevel(value)));
}

std::string replaceLineBreaks(const std::string& text, const std::string& with)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            result += with;
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

std::vector<std::string> gatherReportValues(const MachineDocument& document, ReportKind kind)
{
    const bool text = kind == ReportKind::Text;
    auto padded = [text](const std::string& value, int width) { return text ? sjis::padRight(value, width) : value; };
    std::vector<std::string> values;
    values.reserve(kPlaceholderCount);
    const Machine& machine = document.machine();
    values.push_back(padded(machine.machineName, kNameWidth));
    values.push_back(padded(machine.pilotName, kNameWidth));
    for (Selector selector : allSelectors()) {
        values.push_back(padded(document.itemText(selector), kNameWidth));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        values.push_back(optionMark(machine.selection.option(n)));
    }
    for (const FigureText& figure : document.evaluation().figures) {
        values.push_back(padded(figure.text, kFigureWidth));
    }
    values.push_back(machine.emblem);
    values.push_back(machine.picture);
    // The description as its field holds it, line breaks as CR LF.
    std::string memo;
    for (char c : machine.description) {
        memo += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    values.push_back(text ? memo : replaceLineBreaks(memo, "<br>"));
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        for (int layer = 1; layer <= 4; ++layer) {
            const ColorChannels c = splitColorCode(machine.colors.cell(layer, region));
            values.push_back((text ? "" : "#") + levelHex(c.red) + levelHex(c.green) + levelHex(c.blue));
            values.push_back(channelText(c.red));
            values.push_back(channelText(c.green));
            values.push_back(channelText(c.blue));
        }
    }
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        values.push_back(machine.pilot.displayText(n));
    }
    if (!text) {
        values.push_back(kReportVersion);
    }
    return values;
}

std::string templatePath(const std::string& dataDir, ReportKind kind, int number)
{
    return dataDir + "template" + std::to_string(number) + (kind == ReportKind::Text ? ".txt" : ".htm");
}

std::string missingTemplateMessage(const std::string& path)
{
    return "テンプレート" + path + "はありません。";
}

std::string buildReportText(const MachineDocument& document, const std::string& dataDir, ReportKind kind, int number)
{
    return expandTemplateText(readNormalisedText(templatePath(dataDir, kind, number)),
                              gatherReportValues(document, kind));
}

std::string buildReport(const MachineDocument& document, const std::string& dataDir, ReportKind kind, int number)
{
    return sjis::encodeOrFail(buildReportText(document, dataDir, kind, number));
}

} // namespace rivet
