#include "document/AssemblyFile.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/IniFile.h"
#include "document/Assembly.h"

namespace rivet {

namespace {

// Keys of the eleven selectors, cb1..cb11.
constexpr std::array<const char*, kSelectorCount> kSelectorKeys
    = {"head", "core", "arm", "leg", "gene", "fcs", "boost", "armwp", "blade", "bwpr", "bwpl"};
const char* const kFactoryColors = ",323628,162012,182412,121812";
constexpr int kMemoKeys = 11; // a file's description is read from keys "0".."10"

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

// Every key the tool keeps of an assembly, written into the file's lines.
void writeAssemblyKeys(IniFile& ini, const Assembly& assembly)
{
    ini.writeString("asm", "ACname", assembly.text(TextField::MachineName));
    ini.writeString("asm", "Pilotname", assembly.text(TextField::PilotName));
    for (Selector selector : allSelectors()) {
        ini.writeInteger("asm", kSelectorKeys[selectorIndex(selector)], assembly.position(selector));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        ini.writeString("asm", "opt" + std::to_string(n), assembly.option(n) ? "1" : "0");
    }
    const ColorEditor& colors = assembly.colors();
    for (int region = 1; region <= 4; ++region) {
        ini.writeString("color", colors.cell(0, region), colors.regionRowText(region));
    }
    for (int n = 1; n <= PilotLogic::kSettingCount; ++n) {
        ini.writeInteger("logic", std::to_string(n), assembly.logic().value(n));
    }
    ini.eraseSection("acmemo");
    const std::vector<std::string> memo = assembly.memoLines();
    for (std::size_t i = 0; i < memo.size(); ++i) {
        ini.writeString("acmemo", std::to_string(i), memo[i]);
    }
    ini.writeString("file", "Emblem", assembly.text(TextField::Emblem));
    ini.writeString("file", "AC", assembly.text(TextField::MachinePicture));
}

} // namespace

std::string saveAssembly(Assembly& assembly, const std::string& fileName)
{
    const std::string path = replaceExtension(fileName, ".asm");
    saveAssemblyTo(assembly, path);
    return path;
}

void saveAssemblyTo(Assembly& assembly, const std::string& path)
{
    IniFile ini;
    try {
        ini = IniFile::load(path);
    } catch (const Failure&) {
        // A file we cannot read would lose its own sections: leave it alone.
        throw Failure(cannotWriteMessage(path));
    }
    writeAssemblyKeys(ini, assembly);
    ini.save(path);
    assembly.setModified(false);
}

std::string assemblyFileBytes(const Assembly& assembly)
{
    IniFile ini;
    writeAssemblyKeys(ini, assembly);
    return ini.toBytes();
}

namespace {

// Sets the assembly from the file in the order the window's controls take it: names, parts
// (without the back-weapon pairing), options (each change evaluates), description, colour
// rows, pilot settings, picture files.
void readAssemblyFile(Assembly& assembly, const std::string& fileName)
{
    const IniFile ini = IniFile::load(fileName);
    assembly.setText(TextField::MachineName, ini.readString("asm", "ACname", "default"));
    assembly.setText(TextField::PilotName, ini.readString("asm", "Pilotname", "gaga"));
    for (Selector selector : allSelectors()) {
        assembly.setPositionFromCode(selector, ini.readInteger("asm", kSelectorKeys[selectorIndex(selector)], 1));
    }
    for (int n = 1; n <= kOptionCount; ++n) {
        assembly.tickOption(n, ini.readInteger("asm", "opt" + std::to_string(n), 0) != 0);
    }
    std::string memo;
    for (int key = 0; key < kMemoKeys; ++key) {
        const std::string line = ini.readString("acmemo", std::to_string(key), "");
        if (!line.empty()) {
            memo += memo.empty() ? line : "\n" + line;
        }
    }
    assembly.setMemo(memo);
    ColorEditor& colors = assembly.colors();
    for (int region = 1; region <= 4; ++region) {
        const std::string name = colors.cell(0, region);
        colors.setRegionRow(region, ini.readString("color", name, name + kFactoryColors));
    }
    colors.loadCellChannels();
    colors.refreshLineColor();
    for (int n = 1; n <= PilotLogic::kSettingCount; ++n) {
        assembly.logic().setValue(n, ini.readInteger("logic", std::to_string(n), 0));
    }
    assembly.setText(TextField::Emblem, ini.readString("file", "Emblem", "none.gif"));
    assembly.setText(TextField::MachinePicture, ini.readString("file", "AC", "none.gif"));
}

} // namespace

void loadAssembly(Assembly& assembly, const std::string& fileName)
{
    // The file goes into a copy in the very order the controls take it; only a copy that
    // took the whole file replaces the assembly, so a failure partway changes nothing.
    Assembly loaded(assembly);
    readAssemblyFile(loaded, fileName);
    assembly.swapState(loaded);
}

} // namespace rivet
