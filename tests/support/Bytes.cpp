#include "support/Bytes.h"

#include "common/ShiftJis.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace rivet::test {

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
    out << bytes;
}

std::string sjisBytes(const std::string& utf8)
{
    auto encoded = sjis::encode(utf8);
    if (!encoded) {
        throw std::runtime_error("not Shift-JIS: " + utf8);
    }
    return *encoded;
}

std::string sjisFile(const std::vector<std::string>& lines)
{
    std::string text;
    for (const auto& line : lines) {
        text += line + "\r\n";
    }
    return sjisBytes(text);
}

} // namespace rivet::test
