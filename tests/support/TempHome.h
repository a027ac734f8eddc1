#pragma once

#include <string>

namespace rivet::test {

// A fresh temporary folder that RIVET_HOME points at while the object lives; removed with
// everything in it afterwards. Every test that starts the planner uses one.
class TempHome
{
public:
    TempHome();
    ~TempHome();
    TempHome(const TempHome&) = delete;
    TempHome& operator=(const TempHome&) = delete;

    // The folder, ending in "/".
    const std::string& path() const { return m_path; }
    std::string dataDir() const { return m_path + "data/"; }
    std::string garageDir() const { return m_path + "Garage/"; }
    std::string settingsFile() const { return m_path + "rivet.ini"; }

private:
    std::string m_path;
    std::string m_previous;
    bool m_hadPrevious = false;
};

} // namespace rivet::test
