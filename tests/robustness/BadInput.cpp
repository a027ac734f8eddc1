#include "robustness/BadInput.h"

#include "support/Bytes.h"
#include "support/FaultyFiles.h"

#include <cerrno>
#include <filesystem>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace rivet::test {

namespace {

std::string replaceLine(const std::string& file, std::size_t index, const std::string& line)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < file.size()) {
        const std::size_t end = file.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(file.substr(start));
            break;
        }
        lines.push_back(file.substr(start, end - start));
        start = end + 2;
    }
    lines.at(index) = line;
    std::string result;
    for (const auto& each : lines) {
        result += each + "\r\n";
    }
    return result;
}

// Reads refused as for a file the user may not read, also when the tests run as root.
std::unique_ptr<FaultyFiles>& refusedReads()
{
    static std::unique_ptr<FaultyFiles> refused;
    return refused;
}

std::string inData(const TempHome& home, const char* name)
{
    return home.dataDir() + name;
}

} // namespace

const std::vector<BrokenCatalogue>& brokenCatalogues()
{
    static const std::vector<BrokenCatalogue> rows = {
        {"a line with fewer fields than the columns", "data/leg.dat",
         [](const TempHome& home) {
             const std::string path = home.dataDir() + "leg.dat";
             writeBytes(path, replaceLine(readBytes(path), 5, "\"LN-X\",1,2"));
         },
         [](const TempHome& home) {
             return "リストのインデックスが範囲を超えています (3)\nファイル " + inData(home, "leg.dat") + " の 6 行目";
         }},
        {"a number that is not an integer", "data/head.dat",
         [](const TempHome& home) {
             const std::string path = home.dataDir() + "head.dat";
             writeBytes(path, replaceLine(readBytes(path), 3, "\"HD-X\",1.5,1,1,1,1,1,\"x\""));
         },
         [](const TempHome& home) {
             return "'1.5' は整数ではありません\nファイル " + inData(home, "head.dat") + " の 4 行目";
         }},
        {"more lines than the slot holds", "data/head.dat",
         [](const TempHome& home) {
             const std::string path = home.dataDir() + "head.dat";
             writeBytes(path, readBytes(path) + "\"HD-16\",1,1,1,1,1,1,\"one too many\"\r\n");
         },
         [](const TempHome& home) {
             return "範囲チェックエラー\nファイル " + inData(home, "head.dat") + ": 部品は 15 個まで";
         }},
        {"a file the user may not read", "data/core.dat",
         [](const TempHome& home) {
             ::chmod((home.dataDir() + "core.dat").c_str(), 0);
             refusedReads()
                 = std::make_unique<FaultyFiles>(FaultyFiles::Step::Open, EACCES, home.dataDir() + "core.dat");
         },
         [](const TempHome& home) { return "ファイルへのアクセスが拒否されました\n" + inData(home, "core.dat"); }},
        {"a folder where the file should be", "data/fcs.dat",
         [](const TempHome& home) {
             fs::remove(home.dataDir() + "fcs.dat");
             fs::create_directory(home.dataDir() + "fcs.dat");
         },
         [](const TempHome& home) { return "I/O エラー (21)\n" + inData(home, "fcs.dat") + ": フォルダです (21)"; }},
        {"a data folder that cannot be made (a file of that name)", "data",
         [](const TempHome& home) {
             fs::remove_all(home.dataDir());
             writeBytes(home.path() + "data", "not a folder");
         },
         [](const TempHome& home) {
             return "I/O エラー (20)\nフォルダ " + home.dataDir() + " を作成できません: 同じ名前のファイルがあります";
         }},
        {"a default file that cannot be made (a link into a missing folder)", "data/option.dat",
         [](const TempHome& home) {
             fs::remove(home.dataDir() + "option.dat");
             fs::create_symlink(home.path() + "missing-folder/option.dat", home.dataDir() + "option.dat");
         },
         [](const TempHome& home) { return "ファイルが見つかりません\n" + inData(home, "option.dat"); }},
        {"bytes that are not Shift-JIS", "data/arm.dat",
         [](const TempHome& home) {
             const std::string path = home.dataDir() + "arm.dat";
             writeBytes(path, replaceLine(readBytes(path), 4, "\"AN-\x82\xFF\",1,1,1,1,1,1,\"x\""));
         },
         [](const TempHome& home) {
             return "ファイル " + home.dataDir() + "arm.dat は Shift-JIS のテキストとして読めません (5 行目)";
         }},
        {"a file beyond 16 MiB", "data/blade.dat",
         [](const TempHome& home) { writeOversizedFile(home.dataDir() + "blade.dat"); },
         [](const TempHome& home) { return "ファイル " + home.dataDir() + "blade.dat は大きすぎます (16 MiB まで)"; }},
    };
    return rows;
}

void repair(const TempHome& home, const BrokenCatalogue& row)
{
    refusedReads().reset();
    const std::string path = home.path() + row.broken;
    ::chmod(path.c_str(), 0600);
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

std::string contentOf(const std::string& path)
{
    std::error_code error;
    const auto status = fs::symlink_status(path, error);
    if (error || status.type() == fs::file_type::not_found) {
        return "<missing>";
    }
    if (status.type() == fs::file_type::directory) {
        return "<folder>";
    }
    if (status.type() == fs::file_type::symlink) {
        return "<link to " + fs::read_symlink(path).string() + ">";
    }
    const auto mode = status.permissions();
    ::chmod(path.c_str(), 0600);
    std::string bytes = readBytes(path);
    fs::permissions(path, mode);
    return bytes;
}

std::string randomBytes(unsigned seed, std::size_t size, bool text)
{
    static const std::string kTextCharacters = "abcXYZ019 \t,\"'=[]#$-+.\r\n\xB1\xB2\xDF";
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> pick(0, kTextCharacters.size() - 1);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = text ? kTextCharacters[pick(generator)] : static_cast<char>(byte(generator));
    }
    return bytes;
}

void writeOversizedFile(const std::string& path)
{
    std::string line = "\"HD-X\",1,1,1,1,1,1,\"";
    line += std::string(100, 'x') + "\"\r\n";
    std::string bytes = "#頭\r\n#列\r\n";
    while (bytes.size() <= 17u * 1024u * 1024u) {
        bytes += line;
    }
    writeBytes(path, bytes);
}

} // namespace rivet::test
