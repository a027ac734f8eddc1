// Files within the size limits but made of nothing, empty lines or empty fields, which cost
// a reader dozens of bytes for each byte: the real rivet-cli reads, saves and reports them in
// at most eight times their size (its address space is limited to that, above what the
// program needs for itself).
#include "robustness/BadInput.h"
#include "support/Bytes.h"

#include <functional>
#include <gtest/gtest.h>

using namespace rivet::test;

// AddressSanitizer reserves terabytes of shadow address space at start, so a program built
// with it cannot run under an address-space limit at all; the plain build runs this test.
#ifndef __SANITIZE_ADDRESS__
namespace {

constexpr std::size_t kFileBytes = 6u * 1024u * 1024u;
constexpr std::size_t kProgramKiB = 16u * 1024u; // the program, its libraries and its stack

std::string limitedTo(std::size_t multiple)
{
    return "ulimit -v " + std::to_string(multiple * kFileBytes / 1024 + kProgramKiB);
}

} // namespace

TEST(BoundedMemory, paddedFilesAreReadSavedAndReportedWithinEightTimesTheirSize)
{
    struct Row
    {
        const char* name;
        std::function<void(const TempHome&)> prepare;
        std::string arguments; // %g and %d stand for the garage and the data folder
        int code;
        std::string err;
    };
    const std::string emptyLines(kFileBytes, '\n');
    const std::vector<Row> rows = {
        {"an assembly of empty lines", [&](const TempHome& h) { writeBytes(h.garageDir() + "e.asm", emptyLines); },
         "eval %ge.asm", 0, ""},
        {"a save into it", [&](const TempHome& h) { writeBytes(h.garageDir() + "e.asm", emptyLines); },
         "optimise --goal ed1 --top 1 -o %ge.asm", 0, ""},
        {"a template of empty lines",
         [&](const TempHome& h) {
             writeBytes(h.dataDir() + "template2.txt", emptyLines);
             writeBytes(h.garageDir() + "m.asm", "[asm]\r\n");
         },
         "export --format text --template 2 %gm.asm -o %gm.txt", 0, ""},
        {"a catalogue line of commas",
         [&](const TempHome& h) {
             writeBytes(h.dataDir() + "head.dat", "#h\r\n#c\r\n" + std::string(kFileBytes, ','));
         },
         "check", 1, "'' は整数ではありません.\nファイル %dhead.dat の 3 行目\n"},
        {"a catalogue of empty lines",
         [&](const TempHome& h) { writeBytes(h.dataDir() + "fcs.dat", std::string(kFileBytes, '\r')); }, "check", 0,
         ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TempHome home;
        ASSERT_EQ(runCli({"check"}).code, 0);
        row.prepare(home);
        auto expand = [&home](std::string text) {
            for (std::size_t at; (at = text.find("%g")) != std::string::npos;) {
                text.replace(at, 2, home.garageDir());
            }
            for (std::size_t at; (at = text.find("%d")) != std::string::npos;) {
                text.replace(at, 2, home.dataDir());
            }
            return text;
        };
        const CliResult result = runProgram(expand(row.arguments), 120, limitedTo(8));
        EXPECT_EQ(result.code, row.code) << result.err;
        EXPECT_EQ(result.err, expand(row.err));
    }
}
#endif
