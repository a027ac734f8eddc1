#pragma once

#include "sharing/TakenMachine.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace rivet {

class PartsTable;

// Largest text or file taken in; anything bigger is refused before it is looked at.
inline constexpr std::size_t kMaxTakeInBytes = 1024u * 1024u;
// The keyword of the machine card's PNG text chunk that holds the machine code.
inline constexpr const char* kCardCodeKeyword = "Rivet machine code";

// What the player pasted (UTF-8): a machine code anywhere in it, else a report written
// through one of the data folder's templates. Fails with a message that says which it is
// not, or what is wrong with the code.
TakenMachine takeInText(std::string_view text, const PartsTable& table, const std::string& dataDir);

// A file's bytes: a machine card (the code in its PNG text), or a code or report in
// Shift-JIS (or UTF-8, as an editor may have saved it).
TakenMachine takeInBytes(std::string_view bytes, const PartsTable& table, const std::string& dataDir);

// The file of that path, as takeInBytes.
TakenMachine takeInFile(const std::string& path, const PartsTable& table, const std::string& dataDir);

// A decoded code placed in this catalogue.
TakenMachine takeInCode(std::string_view code, const PartsTable& table);

// The machine's name as the name of a file it is saved in (without extension): what a file
// name cannot hold becomes "_", and a name of nothing is "machine".
std::string machineFileName(const std::string& machineName);

// True for the files the window and rivet-cli take in like this: ".png", ".txt", ".htm"
// (any case).
bool isTakeInFileName(const std::string& path);

} // namespace rivet
