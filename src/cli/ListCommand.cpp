#include "cli/ListCommand.h"

#include "cli/CommandLine.h"
#include "cli/MachineOutput.h"
#include "common/ErrorText.h"
#include "common/ShiftJis.h"
#include "garage/Garage.h"
#include "garage/GarageQuery.h"
#include "garage/Parallel.h"
#include "startup/StartUp.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <ostream>

namespace rivet::cli {

namespace {

// The table's lines: the file, the names, then ed1..ed16 (a figure in red marked "!").
std::vector<std::vector<std::string>> tableCells(const PartsTable& table, const std::vector<const GarageRow*>& rows)
{
    std::vector<std::string> heading = {"ファイル", "機体名", "パイロット"};
    for (Figure f : allFigures()) {
        heading.push_back(describe(f).labelName);
    }
    std::vector<std::vector<std::string>> cells = {heading};
    for (const GarageRow* row : rows) {
        std::vector<std::string> line = {row->file.relativePath, row->machineName, row->pilotName};
        const PerFigure<FigureText> texts = figureTextsOf(table, *row);
        for (const FigureText& text : texts) {
            line.push_back(text.text + (text.warning ? "!" : ""));
        }
        cells.push_back(std::move(line));
    }
    return cells;
}

// Names to the left, figures to the right, each column as wide as its widest cell.
void writeTable(std::ostream& out, const std::vector<std::vector<std::string>>& cells)
{
    constexpr std::size_t kNameColumns = 3;
    std::vector<int> widths(cells.front().size(), 0);
    for (const auto& line : cells) {
        for (std::size_t column = 0; column < line.size(); ++column) {
            widths[column] = std::max(widths[column], sjis::byteWidth(line[column]));
        }
    }
    for (const auto& line : cells) {
        std::string text;
        for (std::size_t column = 0; column < line.size(); ++column) {
            text += column == 0 ? "" : "  ";
            text += column < kNameColumns ? sjis::padRight(line[column], widths[column])
                                          : rightAligned(line[column], widths[column]);
        }
        out << text.substr(0, text.find_last_not_of(' ') + 1) << "\n";
    }
}

} // namespace

void ListCommand::declare(CommandLine& line)
{
    line.jsonFlag(m_json);
    line.goal("--sort", m_sort,
              "order by a figure, ed1..ed16, best first; :max or :min for the highest or lowest first "
              "(default: by file)");
    line.requirements("--require", m_requirements, "a bound on a figure: FIGURE>=N or FIGURE<=N, any number of them");
    line.flag("--sound", m_sound, "sound machines only: no figure in red, no energy figure short of output");
    line.optionalFile("FOLDER", m_folder, "the folder to list, subfolders included (default: the garage)");
}

int ListCommand::run(std::ostream& out, std::ostream& err)
{
    auto workspace = startWorkspace();
    const PartsTable& table = workspace->table;
    Garage garage;
    garage.refresh(table, m_folder.value_or(workspace->paths.garageDir));

    GarageQuery query;
    if (m_sort) {
        query.order = {GarageColumn::ofFigure(m_sort->figure), m_sort->direction == Direction::Higher};
    }
    query.requirements = m_requirements;
    query.soundOnly = m_sound;
    for (const GarageRow& row : garage.rows()) {
        if (!row.readable()) {
            err << row.file.path << ": " << errorBoxText(*row.failure) << "\n";
        }
    }
    std::vector<const GarageRow*> listed;
    for (std::size_t i : arrangeGarage(table, garage.rows(), query)) {
        if (garage.rows()[i].readable()) {
            listed.push_back(&garage.rows()[i]);
        }
    }
    if (!m_json) {
        writeTable(out, tableCells(table, listed));
        return kExitOk;
    }
    // The lines are made on several threads, a block at a time so that they never all wait
    // in memory at once.
    constexpr std::size_t kBlock = 512;
    std::vector<std::string> lines;
    for (std::size_t first = 0; first < listed.size(); first += kBlock) {
        lines.assign(std::min(kBlock, listed.size() - first), std::string());
        forEachInParallel(lines.size(), [&](std::size_t i) {
            const GarageRow& row = *listed[first + i];
            Json line = machineJson(row.file.path, table, evaluationOf(table, row));
            line["name"] = row.machineName;
            line["modified"] = utcTimestamp(row.file.modifiedNs);
            lines[i] = jsonLine(line);
        });
        for (const std::string& line : lines) {
            out << line << "\n";
        }
    }
    return kExitOk;
}

} // namespace rivet::cli
