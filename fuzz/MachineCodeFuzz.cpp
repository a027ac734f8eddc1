// The machine code, both ways.
//
// An input that starts like a code is read: it reads as a machine or fails with one of the
// code's own messages, never otherwise; a machine read writes a code that reads back as the
// same machine. Any other input is cut into pieces that make a machine (texts as they come
// when they are UTF-8, else read as Shift-JIS, else folded to ASCII; parts named by a piece
// or by the factory catalogue; ticks, colours and pilot settings from the bytes): its code is
// one line of letters and digits that reads back as the same machine, and the same code with
// its last character changed is refused.
#include "FuzzSupport.h"

#include "common/Failure.h"
#include "common/ShiftJis.h"
#include "sharing/Base62.h"
#include "sharing/FactoryNames.h"
#include "sharing/MachineCode.h"

#include <algorithm>

using namespace rivet;
using rivet::fuzz::shown;

namespace {

bool isCodeMessage(const std::string& message)
{
    for (const char* known : {"機体コードではありません", "機体コードが壊れています", "新しい形式", "長すぎます"}) {
        if (message.find(known) != std::string::npos) {
            return true;
        }
    }
    return false;
}

SharedMachine decoded(const std::string& code, const std::string& what)
{
    try {
        return decodeMachineCode(code);
    } catch (const Failure& failure) {
        FUZZ_CHECK(false, what + " " + shown(code) + " is refused: " + failure.what());
    }
    return {};
}

void checkRoundTrip(const SharedMachine& machine, const std::string& origin)
{
    const std::string code = encodeMachineCode(machine);
    FUZZ_CHECK(looksLikeMachineCode(code) && std::all_of(code.begin(), code.end(), base62::isDigit),
               "the code " + shown(code) + " is not one word of letters and digits");
    FUZZ_CHECK(decoded(code, "the code of " + origin) == machine, "the code of " + origin + " reads another machine");
    std::string changed = code;
    changed.back() = changed.back() == '0' ? '1' : '0';
    bool refused = false;
    try {
        decodeMachineCode(changed);
    } catch (const Failure&) {
        refused = true;
    }
    FUZZ_CHECK(refused, "a changed character is not noticed in " + shown(code));
}

// A text of the pieces: as it comes when it is UTF-8 Shift-JIS can hold or not.
std::string textOf(const std::string& piece)
{
    if (sjis::isValidUtf8(piece)) {
        return piece;
    }
    if (const auto text = sjis::decode(piece)) {
        return *text;
    }
    std::string ascii = piece;
    for (char& c : ascii) {
        c = static_cast<char>(c & 0x7F);
    }
    return ascii;
}

class Bytes
{
public:
    explicit Bytes(std::string_view bytes)
        : m_bytes(bytes)
    {
    }
    unsigned next() { return m_at < m_bytes.size() ? static_cast<unsigned char>(m_bytes[m_at++]) : 0u; }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

SharedMachine machineOf(std::string_view input)
{
    std::vector<std::string> pieces = fuzz::pieces(input, '\0');
    pieces.resize(std::max<std::size_t>(pieces.size(), 12));
    Bytes bytes(pieces.back());
    SharedMachine shared;
    Machine& machine = shared.machine;
    machine.machineName = textOf(pieces[0]);
    machine.pilotName = textOf(pieces[1]);
    machine.emblem = textOf(pieces[2]);
    machine.picture = textOf(pieces[3]);
    machine.description = textOf(pieces[4]);
    for (Selector selector : allSelectors()) {
        NamedPart& part = shared.parts.parts[selectorIndex(selector)];
        const unsigned how = bytes.next();
        const auto& factory = factoryPartNames(slotOfSelector(selector));
        part.kind = how % 4 == 0 ? NamedPart::Kind::NoEquip
            : how % 4 == 1       ? NamedPart::Kind::NoItem
                                 : NamedPart::Kind::Part;
        if (part.kind == NamedPart::Kind::Part) {
            part.name = how % 4 == 2 ? factory[how % factory.size()] : textOf(pieces[5 + how % 3]);
            part.occurrence = 1 + static_cast<int>(bytes.next() % 3);
        }
    }
    for (int box = 1; box <= kOptionCount; ++box) {
        const unsigned how = bytes.next();
        if (how % 2 == 0) {
            continue;
        }
        NamedOption option;
        option.box = box;
        const auto& factory = factoryPartNames(OptionSlot);
        if (how % 8 == 3) {
            option.name = textOf(pieces[8]);
        } else if (how % 8 != 5) {
            option.name = factory[how % factory.size()];
        }
        shared.parts.ticked.push_back(option);
    }
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        machine.colors.cell(0, region) = bytes.next() % 5 == 0 ? textOf(pieces[9]) : "HEAD";
        for (int layer = 1; layer <= 4; ++layer) {
            const unsigned how = bytes.next();
            machine.colors.cell(layer, region) = how % 3 == 0 ? textOf(pieces[10])
                : how % 3 == 1                                ? "323628"
                                                              : std::to_string(100000 + bytes.next() * 997 % 900000);
        }
    }
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        machine.pilot.setValue(n, static_cast<int>(bytes.next()) - 128);
    }
    return shared;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(fuzz::asText(data, size));
    if (input.rfind("RVT", 0) == 0) {
        SharedMachine machine;
        try {
            machine = decodeMachineCode(input);
        } catch (const Failure& failure) {
            FUZZ_CHECK(isCodeMessage(failure.what()), "reading " + shown(input) + " fails with " + failure.what());
            return 0;
        }
        checkRoundTrip(machine, "a machine read");
        return 0;
    }
    checkRoundTrip(machineOf(input), "the machine of " + shown(input));
    return 0;
}
