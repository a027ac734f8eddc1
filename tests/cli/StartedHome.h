#pragma once

#include "robustness/BadInput.h"
#include "support/Bytes.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rivet::test {

// A fresh home as the first start leaves it (folders and default files), for the companion
// program's suites.
class StartedHome : public ::testing::Test
{
protected:
    StartedHome() { EXPECT_EQ(runCli({"check"}).code, 0); }

    // An assembly file of these lines in the garage; its path.
    std::string garageFile(const std::string& name, const std::vector<std::string>& lines) const
    {
        const std::string path = home.garageDir() + name;
        writeBytes(path, sjisFile(lines));
        return path;
    }

    TempHome home;
};

} // namespace rivet::test
