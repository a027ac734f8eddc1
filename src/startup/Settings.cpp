#include "startup/Settings.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/IniFile.h"

namespace rivet {

bool readLongList(const std::string& settingsFile)
{
    try {
        return IniFile::load(settingsFile).readInteger("common", "longlist", 1) != 0;
    } catch (const Failure&) {
        return true; // an unreadable settings file gives the default without a message
    }
}

void writeLongList(const std::string& settingsFile, bool longList)
{
    IniFile ini;
    try {
        ini = IniFile::load(settingsFile);
    } catch (const Failure& failure) {
        throw Failure(withDetail(cannotWriteMessage(settingsFile), failure.what()));
    }
    ini.writeString("common", "longlist", longList ? "1" : "0");
    ini.save(settingsFile);
}

} // namespace rivet
