#pragma once

#include "document/Machine.h"
#include "sharing/NamedSelection.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace rivet {

// The machine code: one line of letters and digits that carries everything an ".asm" file
// holds, safe to post on any board or chat. It starts with "RVT" and the format's version
// ("1"), then the machine packed into bits (parts and options by name, the factory
// catalogue's names by their number in it), then a checksum of everything before it. A code
// with one character changed, cut short or made longer is refused, never read as another
// machine. Without a description it stays within 256 characters when the names and picture
// files are 20 bytes or shorter.
inline constexpr std::string_view kMachineCodePrefix = "RVT";
inline constexpr char kMachineCodeVersion = '1';
// Longest code read; a longer text is refused before it is looked at.
inline constexpr std::size_t kMaxMachineCodeLength = 256u * 1024u;

// What a code carries: the machine (its selection unused) with its parts by name.
struct SharedMachine
{
    Machine machine;
    NamedSelection parts;

    bool operator==(const SharedMachine& other) const;
};

SharedMachine shareMachine(const Machine& machine, const PartsTable& table);
std::string encodeMachineCode(const SharedMachine& shared);
std::string machineCode(const Machine& machine, const PartsTable& table);

// Reads a code (blanks and line breaks inside it are ignored, as a board may wrap a long
// line). Fails with a message for the player: not a code, a newer format, or broken.
SharedMachine decodeMachineCode(std::string_view code);

// True when the text starts like a machine code of any version.
bool looksLikeMachineCode(std::string_view text);

} // namespace rivet
