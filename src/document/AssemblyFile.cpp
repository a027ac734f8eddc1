#include "document/AssemblyFile.h"

#include "appearance/ColorEditor.h"
#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/IniFile.h"
#include "document/Machine.h"

namespace rivet {

namespace {

// Keys of the eleven selectors, cb1..cb11.
constexpr std::array<const char*, kSelectorCount> kSelectorKeys
    = {"head", "core", "arm", "leg", "gene", "fcs", "boost", "armwp", "blade", "bwpr", "bwpl"};
const char* const kFactoryColors = ",323628,162012,182412,121812";
constexpr int kMemoKeys = 11; // a file's description is read from keys "0".."10"

// The item a selector shows when set to `item` from code: none (-1) for a position it does
// not offer.
int offeredPosition(const PartsTable& table, Selector selector, int item)
{
    return item >= 0 && item < table.itemCount(slotOfSelector(selector)) ? item : -1;
}

} // namespace

std::string replaceExtension(const std::string& path, const std::string& extension)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) {
        return path.substr(0, dot) + extension;
    }
    return path + extension;
}

namespace {

// Every key the tool keeps of a machine, written into the file's lines.
void writeAssemblyKeys(IniFile& ini, const Machine& machine)
{
    ini.writeString("asm", "ACname", machine.machineName);
    ini.writeString("asm", "Pilotname", machine.pilotName);
    for (Selector selector : allSelectors()) {
        ini.writeInteger("asm", kSelectorKeys[selectorIndex(selector)], machine.selection.position(selector));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        ini.writeString("asm", "opt" + std::to_string(n), machine.selection.option(n) ? "1" : "0");
    }
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        ini.writeString("color", machine.colors.cell(0, region), machine.colors.regionRowText(region));
    }
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        ini.writeInteger("logic", std::to_string(n), machine.pilot.value(n));
    }
    ini.eraseSection("acmemo");
    const std::vector<std::string> memo = machine.descriptionLines();
    for (std::size_t i = 0; i < memo.size(); ++i) {
        ini.writeString("acmemo", std::to_string(i), memo[i]);
    }
    ini.writeString("file", "Emblem", machine.emblem);
    ini.writeString("file", "AC", machine.picture);
}

} // namespace

std::string saveAssembly(const Machine& machine, const std::string& fileName)
{
    const std::string path = replaceExtension(fileName, ".asm");
    saveAssemblyTo(machine, path);
    return path;
}

void saveAssemblyTo(const Machine& machine, const std::string& path)
{
    IniFile ini;
    try {
        ini = IniFile::load(path);
    } catch (const Failure& failure) {
        // A file we cannot read would lose its own sections: leave it alone.
        throw Failure(withDetail(cannotWriteMessage(path), failure.what()));
    }
    writeAssemblyKeys(ini, machine);
    ini.save(path);
}

std::string assemblyFileBytes(const Machine& machine)
{
    IniFile ini;
    writeAssemblyKeys(ini, machine);
    return ini.toBytes();
}

void readAssemblyFile(const std::string& fileName, const PartsTable& table, Machine& machine, ColorEditor& colors)
{
    const IniFile ini = IniFile::load(fileName);
    machine.machineName = ini.readString("asm", "ACname", "default");
    machine.pilotName = ini.readString("asm", "Pilotname", "gaga");
    for (Selector selector : allSelectors()) {
        const int stored = ini.readInteger("asm", kSelectorKeys[selectorIndex(selector)], 1);
        machine.selection.setPosition(selector, offeredPosition(table, selector, stored));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        machine.selection.setOption(n, ini.readInteger("asm", "opt" + std::to_string(n), 0) != 0);
    }
    std::string memo;
    for (int key = 0; key < kMemoKeys; ++key) {
        const std::string line = ini.readString("acmemo", std::to_string(key), "");
        if (!line.empty()) {
            memo += memo.empty() ? line : "\n" + line;
        }
    }
    machine.description = memo;
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        const std::string name = machine.colors.cell(0, region);
        machine.colors.setRegionRow(region, ini.readString("color", name, name + kFactoryColors));
    }
    colors.loadCellChannels(machine.colors);
    colors.refreshLineColor(machine.colors);
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        machine.pilot.setValue(n, ini.readInteger("logic", std::to_string(n), 0));
    }
    machine.emblem = ini.readString("file", "Emblem", "none.gif");
    machine.picture = ini.readString("file", "AC", "none.gif");
}

} // namespace rivet
