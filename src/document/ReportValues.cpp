#include "document/ReportValues.h"

#include "appearance/ColorCodes.h"
#include "common/ErrorText.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "document/Assembly.h"
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

std::vector<std::string> gatherReportValues(const Assembly& assembly, ReportKind kind)
{
    const bool text = kind == ReportKind::Text;
    auto padded = [text](const std::string& value, int width) { return text ? sjis::padRight(value, width) : value; };
    std::vector<std::string> values;
    values.reserve(kPlaceholderCount);
    values.push_back(padded(assembly.text(TextField::MachineName), kNameWidth));
    values.push_back(padded(assembly.text(TextField::PilotName), kNameWidth));
    for (int selector = 1; selector <= kSelectorCount; ++selector) {
        values.push_back(padded(assembly.itemText(selector), kNameWidth));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        values.push_back(optionMark(assembly.option(n)));
    }
    for (const FigureText& figure : assembly.figures()) {
        values.push_back(padded(figure.text, kFigureWidth));
    }
    values.push_back(assembly.text(TextField::Emblem));
    values.push_back(assembly.text(TextField::MachinePicture));
    // The description as its field holds it, line breaks as CR LF.
    std::string memo;
    for (char c : assembly.memo()) {
        memo += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    values.push_back(text ? memo : replaceLineBreaks(memo, "<br>"));
    const ColorEditor& colors = assembly.colors();
    for (int region = 1; region <= 4; ++region) {
        for (int layer = 1; layer <= 4; ++layer) {
            const ColorChannels c = splitColorCode(colors.cell(layer, region));
            values.push_back((text ? "" : "#") + levelHex(c.red) + levelHex(c.green) + levelHex(c.blue));
            values.push_back(channelText(c.red));
            values.push_back(channelText(c.green));
            values.push_back(channelText(c.blue));
        }
    }
    for (int n = 1; n <= PilotLogic::kSettingCount; ++n) {
        values.push_back(assembly.logic().displayText(n));
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

std::string buildReportText(const Assembly& assembly, const std::string& dataDir, ReportKind kind, int number)
{
    return expandTemplateText(readNormalisedText(templatePath(dataDir, kind, number)),
                              gatherReportValues(assembly, kind));
}

std::string buildReport(const Assembly& assembly, const std::string& dataDir, ReportKind kind, int number)
{
    return sjis::encodeOrFail(buildReportText(assembly, dataDir, kind, number));
}

} // namespace rivet
