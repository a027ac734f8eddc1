#pragma once

#include <string>
#include <vector>

namespace rivet::test {

std::string readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::string& bytes);
// UTF-8 text to Shift-JIS bytes (the test fails loudly if it cannot).
std::string sjisBytes(const std::string& utf8);
// Lines joined with CR LF after each, encoded to Shift-JIS: how the tool writes text files.
std::string sjisFile(const std::vector<std::string>& lines);

} // namespace rivet::test
