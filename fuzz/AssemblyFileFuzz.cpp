// An ".asm" file opened, saved and opened again, as the player does in one run of the tool.
//
// Any file opens (missing keys take their defaults) or fails with a clear message. What was
// opened saves without a failure, and opening the saved file gives the same document, both
// when it was saved over the opened file and when it was saved as a new one. Compared are
// the names and picture files, the eleven parts, the thirteen options, the description lines,
// the sixteen colour cells with their region names, the seven pilot settings, the colour
// controls and the sixteen figures. Left out are only the losses the file format brings:
// - a value with blanks at either end, enclosed in a pair of quotes, or longer than 2047
//   bytes (the reading trims, unquotes and cuts it);
// - colour rows whose region names cannot be keys (holding "=", looking like a section
//   header, or two rows with one name), since a row is stored under its name;
// - a blank cell that was empty may come back holding the single space an empty item is
//   stored as (both show as a blank cell).
// Empty description lines and lines after the eleventh never survive the first opening, so
// they need no exception here.
#include "FuzzSupport.h"

#include "common/Failure.h"
#include "common/ShiftJis.h"
#include "document/AssemblyFile.h"
#include "document/DocumentService.h"
#include "startup/StartUp.h"

#include <cstdio>
#include <memory>
#include <set>

using namespace rivet;
using rivet::fuzz::shown;

namespace {

constexpr int kRegions = 4;
constexpr int kCells = 5;

struct Document
{
    std::vector<std::string> texts;
    std::vector<int> positions;
    std::vector<bool> options;
    std::vector<std::string> memo;
    std::vector<std::vector<std::string>> rows; // regions 1..4, cells 0..4
    std::vector<int> logic;
    std::vector<std::string> logicTexts;
    std::vector<int> sliders;
    int column = 0;
    int row = 0;
    std::vector<std::string> figures;
};

Document snapshot(const MachineDocument& a)
{
    const Machine& m = a.machine();
    Document d;
    for (const TextField field :
         {TextField::MachineName, TextField::PilotName, TextField::Emblem, TextField::MachinePicture}) {
        d.texts.push_back(m.text(field));
    }
    for (Selector selector : allSelectors()) {
        d.positions.push_back(a.position(selector));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        d.options.push_back(a.option(n));
    }
    d.memo = m.descriptionLines();
    for (int region = 1; region <= kRegions; ++region) {
        std::vector<std::string> cells;
        for (int column = 0; column < kCells; ++column) {
            cells.push_back(m.colors.cell(column, region));
        }
        d.rows.push_back(cells);
    }
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        d.logic.push_back(m.pilot.value(n));
        d.logicTexts.push_back(m.pilot.displayText(n));
    }
    for (const Channel channel : {Channel::Red, Channel::Green, Channel::Blue}) {
        d.sliders.push_back(a.colorEditor().slider(channel));
    }
    d.column = a.colorEditor().currentColumn();
    d.row = a.colorEditor().currentRow();
    for (const FigureText& figure : a.evaluation().figures) {
        d.figures.push_back(figure.text);
    }
    return d;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// A value that the file gives back as it was written.
bool survives(const std::string& value)
{
    if (!value.empty() && (isBlank(value.front()) || isBlank(value.back()))) {
        return false;
    }
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return false;
    }
    const auto bytes = sjis::encode(value);
    return bytes && bytes->size() <= 2047;
}

// True when the four region names can serve as the rows' keys.
bool regionNamesAreKeys(const Document& d)
{
    std::set<std::string> keys;
    for (const auto& cells : d.rows) {
        const std::string key = fuzz::foldedName(cells[0]);
        if (key.find('=') != std::string::npos || (!key.empty() && key[0] == '[') || !keys.insert(key).second) {
            return false;
        }
    }
    return true;
}

struct Comparable
{
    std::vector<bool> texts;
    bool memo = true;
    std::vector<bool> rows;
    bool currentRow = true;
};

Comparable whatSurvives(const MachineDocument& a, const Document& d)
{
    Comparable c;
    for (const std::string& text : d.texts) {
        c.texts.push_back(survives(text));
    }
    for (const std::string& line : d.memo) {
        c.memo = c.memo && survives(line);
    }
    const bool keys = regionNamesAreKeys(d);
    for (int region = 1; region <= kRegions; ++region) {
        c.rows.push_back(keys && survives(a.machine().colors.regionRowText(region)));
    }
    c.currentRow = c.rows[static_cast<std::size_t>(d.row - 1)];
    return c;
}

bool sameCell(const std::string& before, const std::string& after)
{
    return after == before || (before.empty() && after == " ");
}

void compare(const Document& before, const Document& after, const Comparable& c, const std::string& how)
{
    for (std::size_t i = 0; i < before.texts.size(); ++i) {
        FUZZ_CHECK(!c.texts[i] || after.texts[i] == before.texts[i],
                   how + ": text field " + std::to_string(i) + " " + shown(before.texts[i]) + " came back as "
                       + shown(after.texts[i]));
    }
    FUZZ_CHECK(after.positions == before.positions, how + ": the parts changed");
    FUZZ_CHECK(after.options == before.options, how + ": the options changed");
    FUZZ_CHECK(!c.memo || after.memo == before.memo,
               how + ": the description " + shown(before.memo) + " came back as " + shown(after.memo));
    for (std::size_t r = 0; r < before.rows.size(); ++r) {
        if (!c.rows[r]) {
            continue;
        }
        for (std::size_t k = 0; k < before.rows[r].size(); ++k) {
            FUZZ_CHECK(sameCell(before.rows[r][k], after.rows[r][k]),
                       how + ": colour row " + std::to_string(r + 1) + " " + shown(before.rows[r]) + " came back as "
                           + shown(after.rows[r]));
        }
    }
    FUZZ_CHECK(after.logic == before.logic && after.logicTexts == before.logicTexts, how + ": pilot settings changed");
    FUZZ_CHECK(after.column == before.column && after.row == before.row, how + ": the current cell moved");
    FUZZ_CHECK(!c.currentRow || after.sliders == before.sliders, how + ": the colour sliders changed");
    FUZZ_CHECK(after.figures == before.figures, how + ": the figures changed");
}

const PartsTable& factoryTable()
{
    static const std::unique_ptr<Workspace> workspace = [] {
        auto started = std::make_unique<Workspace>();
        startUp(*started, Paths::inFolder(fuzz::scratchFolder()));
        return started;
    }();
    return workspace->table;
}

bool isOpeningMessage(const std::string& message)
{
    return message.find("は Shift-JIS のテキストとして読めません") != std::string::npos
        || message.find("' は整数ではありません") != std::string::npos;
}

// Saves the machine to path and opens it again; the result must equal what was opened.
// False when the opening stopped (allowed only where the format changed a colour cell).
bool saveAndReopen(MachineDocument& document, const Document& opened, const Comparable& c, const std::string& path,
                   const std::string& how)
{
    try {
        document.setFileName(path);
        document.save();
    } catch (const Failure& failure) {
        FUZZ_CHECK(false, how + ": saving an opened file fails with " + shown(failure.what()));
    }
    try {
        document.open(path);
    } catch (const Failure& failure) {
        // Only a colour cell that the file format changed can stop the opening.
        FUZZ_CHECK(!c.currentRow && isOpeningMessage(failure.what()),
                   how + ": the saved file does not open: " + shown(failure.what()));
        return false;
    }
    compare(opened, snapshot(document), c, how);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = fuzz::scratchFolder() + "machine.asm";
    const std::string fresh = fuzz::scratchFolder() + "fresh.asm";
    fuzz::writeWholeFile(path, fuzz::asText(data, size));

    auto document = startAsTheWindowDoes(factoryTable());
    try {
        document->open(path);
    } catch (const Failure& failure) {
        FUZZ_CHECK(isOpeningMessage(failure.what()), "opening fails with " + shown(failure.what()));
        return 0;
    }
    const Document opened = snapshot(*document);
    const Comparable c = whatSurvives(*document, opened);

    if (!saveAndReopen(*document, opened, c, path, "saved over the opened file")) {
        return 0;
    }
    std::remove(fresh.c_str());
    saveAndReopen(*document, opened, c, fresh, "saved as a new file");
    return 0;
}
