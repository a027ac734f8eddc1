#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Reading and writing the tool's Shift-JIS text files. Lines come back as UTF-8.
namespace rivet {

// Largest file the tool reads: far beyond any catalogue, template or assembly, small enough
// that a stray huge file cannot exhaust memory.
inline constexpr std::size_t kMaxTextFileBytes = 16u * 1024u * 1024u;

// The message for a failed file operation, as the platform words it.
std::string ioErrorMessage(int errorNumber);

bool fileExists(const std::string& path);
bool folderExists(const std::string& path);
// Fails with "ファイルが見つかりません" and, after it, the path (and that it is a folder, when it
// is one) unless the path names a file.
void requireFile(const std::string& path);
// What a failure's message lacks to name what failed: the file, and the reason where the
// message gives only a number.
std::string fileFailureDetail(const std::string& path, int errorNumber);

// Creates one folder level when it is missing; fails with the I/O message and the folder.
void ensureFolder(const std::string& path);

// The whole file; fails with the I/O message and the file (or a size message beyond
// kMaxTextFileBytes).
std::string readFileBytes(const std::string& path);

// Shift-JIS to UTF-8, failing with a message that names the file on a bad byte.
std::string decodeFileText(std::string_view bytes, const std::string& path);
// The message for text of a file that is not Shift-JIS; where says which part of the file
// ("12 バイト目", "3 行目", "[asm] ACname").
std::string notShiftJisMessage(const std::string& path, const std::string& where);

// The readers visit a file's lines one at a time, as views into its bytes: a list of lines
// would cost dozens of bytes for each empty line of a file padded with them.
using LineVisitor = std::function<void(std::string_view line, std::size_t index)>;

// Catalogue line rules: a line ends at CR (a LF right after it belongs to the line end), a
// lone LF does not end a line, the byte 1Ah ends the file.
void forEachCatalogueLine(std::string_view bytes, const LineVisitor& visit);
std::vector<std::string> splitCatalogueBytes(std::string_view bytes);
// The lines of a catalogue file, each decoded to UTF-8 on its own, so a bad byte fails naming
// its line.
void readCatalogueFile(const std::string& path, const LineVisitor& visit);
std::vector<std::string> readCatalogueLines(const std::string& path);

// Other text files: lines end at CR LF, CR or LF; a final line end adds no empty line.
void forEachTextLine(std::string_view text, const LineVisitor& visit);
std::vector<std::string> splitTextLines(std::string_view text);

// Every line followed by CR LF.
std::string joinCrLf(const std::vector<std::string>& lines);
// The text with every line followed by CR LF (joinCrLf(splitTextLines(text)) without the list).
std::string normaliseLineEnds(std::string_view text);
// A text file decoded, with every line followed by CR LF.
std::string readNormalisedText(const std::string& path);

// Encodes the lines to Shift-JIS with CR LF after each and writes them atomically
// (writeFileAtomically).
void writeTextLines(const std::string& path, const std::vector<std::string>& lines, const std::string& failureMessage);

} // namespace rivet
