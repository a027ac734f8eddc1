#include "sharing/TakeIn.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/ShiftJis.h"
#include "common/TextFile.h"
#include "sharing/Base62.h"
#include "sharing/MachineCode.h"
#include "sharing/PngText.h"
#include "sharing/ReportReading.h"

#include <algorithm>
#include <cctype>

namespace rivet {

namespace {

const char* const kNothingToTakeIn
    = "機体コードでも、data フォルダのテンプレート (template1〜3.txt, template1〜3.htm) で書かれたレポートでも"
      "ありません";
const char* const kCardWithoutCode = "この画像には機体コードがありません (Rivet Tool の機体カードではありません)";

void checkSize(std::size_t size)
{
    if (size > kMaxTakeInBytes) {
        throw Failure(formatText("取り込むデータが大きすぎます (%zu KiB まで)", kMaxTakeInBytes / 1024));
    }
}

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), base62::isDigit);
}

// The first word of letters and digits that starts like a code, so a code posted inside a
// sentence is found. A board may wrap a long code: lines of nothing but letters and digits
// right after it continue it.
std::optional<std::string> codeIn(std::string_view text)
{
    for (std::size_t at = text.find(kMachineCodePrefix); at != std::string_view::npos;
         at = text.find(kMachineCodePrefix, at + 1)) {
        if (at > 0 && base62::isDigit(text[at - 1])) {
            continue;
        }
        std::size_t end = at;
        while (end < text.size() && base62::isDigit(text[end])) {
            ++end;
        }
        std::string word(text.substr(at, end - at));
        if (!looksLikeMachineCode(word)) {
            continue;
        }
        while (end < text.size() && (text[end] == '\r' || text[end] == '\n')) {
            const std::size_t start = text.find_first_not_of("\r\n", end);
            const std::size_t stop = std::min(
                text.find_first_of("\r\n", start == std::string_view::npos ? text.size() : start), text.size());
            if (start == std::string_view::npos || !allDigits(text.substr(start, stop - start))) {
                break;
            }
            word += text.substr(start, stop - start);
            end = stop;
        }
        return word;
    }
    return std::nullopt;
}

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

} // namespace

TakenMachine takeInCode(std::string_view code, const PartsTable& table)
{
    const SharedMachine shared = decodeMachineCode(code);
    FoundSelection found = findSelection(table, shared.parts);
    TakenMachine taken;
    taken.machine = shared.machine;
    taken.machine.selection = found.selection;
    taken.missing = std::move(found.missing);
    taken.source = "機体コード";
    return taken;
}

TakenMachine takeInText(std::string_view text, const PartsTable& table, const std::string& dataDir)
{
    checkSize(text.size());
    std::optional<Failure> codeFailure;
    if (const auto code = codeIn(text)) {
        try {
            return takeInCode(*code, table);
        } catch (const Failure& failure) {
            // A report may hold something that starts like a code (a machine named so).
            codeFailure = failure;
        }
    }
    if (auto report = readReport(text, readReportTemplates(dataDir), table)) {
        return std::move(*report);
    }
    throw codeFailure ? *codeFailure : Failure(kNothingToTakeIn);
}

TakenMachine takeInBytes(std::string_view bytes, const PartsTable& table, const std::string& dataDir)
{
    checkSize(bytes.size());
    if (png::isPng(bytes)) {
        const auto code = png::text(bytes, kCardCodeKeyword);
        if (!code) {
            throw Failure(kCardWithoutCode);
        }
        TakenMachine taken = takeInCode(*code, table);
        taken.source = "機体カード";
        return taken;
    }
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark) {
        return takeInText(bytes.substr(kUtf8Mark.size()), table, dataDir);
    }
    if (const auto text = sjis::decode(bytes)) {
        return takeInText(*text, table, dataDir);
    }
    // Not Shift-JIS: an editor may have saved the report as UTF-8.
    return takeInText(bytes, table, dataDir);
}

TakenMachine takeInFile(const std::string& path, const PartsTable& table, const std::string& dataDir)
{
    return takeInBytes(readFileBytes(path), table, dataDir);
}

std::string machineFileName(const std::string& machineName)
{
    std::string name = machineName;
    for (char& c : name) {
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20) {
            c = '_';
        }
    }
    return name.empty() || name == "." || name == ".." ? std::string("machine") : name;
}

bool isTakeInFileName(const std::string& path)
{
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        return false;
    }
    const std::string extension = lowerCase(path.substr(dot));
    return extension == ".png" || extension == ".txt" || extension == ".htm" || extension == ".html";
}

} // namespace rivet
