#include "startup/ProgramInformation.h"
#include "common/Version.h"

#include <gtest/gtest.h>
#include <sstream>

TEST(ProgramInformation, helpAndVersionAnswerOnlyAsTheFirstArgument)
{
    struct Case
    {
        std::vector<std::string> arguments;
        std::optional<int> exitCode;
        std::string printedStart;
    };
    const std::string version = std::string("rivet ") + rivet::kProgramVersion + "\n";
    for (const Case& c : std::vector<Case> {{{"--help"}, 0, "usage: rivet [FILE.asm]\n"},
                                            {{"-h", "x.asm"}, 0, "usage: rivet [FILE.asm]\n"},
                                            {{"--version"}, 0, version},
                                            {{}, std::nullopt, ""},
                                            {{"x.asm", "--help"}, std::nullopt, ""},
                                            {{"--versions"}, std::nullopt, ""}}) {
        std::ostringstream out;
        EXPECT_EQ(rivet::answerInformationRequest(c.arguments, out), c.exitCode) << c.arguments.size();
        EXPECT_EQ(out.str().substr(0, c.printedStart.size()), c.printedStart);
        if (c.printedStart.empty()) {
            EXPECT_EQ(out.str(), "");
        }
    }
}
