#include "sharing/MachineCode.h"

#include "common/ErrorText.h"
#include "common/Failure.h"
#include "common/ShiftJis.h"
#include "sharing/Base62.h"
#include "sharing/BitStream.h"
#include "sharing/Crc32.h"
#include "sharing/FactoryNames.h"

#include <algorithm>
#include <array>

namespace rivet {

namespace {

constexpr std::size_t kChecksumDigits = 6;
constexpr std::size_t kHeaderLength = 4; // "RVT" and the version
constexpr const char* kNoPicture = "none.gif";
constexpr std::array<const char*, 4> kRegionNames = {"HEAD", "CORE", "ARMS", "LEGS"};
constexpr std::array<const char*, 4> kFactoryColors = {"323628", "162012", "182412", "121812"};

// The factory name of colour region 1..4, and the factory colour of layer 1..4.
const char* factoryRegionName(int region)
{
    return kRegionNames[static_cast<std::size_t>(region - 1)];
}
const char* factoryColor(int layer)
{
    return kFactoryColors[static_cast<std::size_t>(layer - 1)];
}

constexpr std::array<int, PilotSettings::kSettingCount> kStartPilot = {0, 50, 50, 50, 50, 50, 0};
constexpr int kChannelBits = 7;
constexpr int kMaxChannel = 64;

// A part: 0 NO EQUIP, 1 no item, 2 a name written out, 3.. the factory part 1..
constexpr std::uint32_t kNoEquipPart = 0;
constexpr std::uint32_t kNoItemPart = 1;
constexpr std::uint32_t kWrittenPart = 2;
constexpr std::uint32_t kFirstFactoryPart = 3;
// An option that is not the factory option of its own box: 0 the box had no row, 1 a name
// written out, 2.. the factory option 1..
constexpr std::uint32_t kOptionWithoutRow = 0;
constexpr std::uint32_t kWrittenOption = 1;
constexpr std::uint32_t kFirstFactoryOption = 2;
constexpr int kOptionRefBits = 4;
// A colour cell: 0 the factory colour of its layer, 1 three channels 0..64, 2 its text.
constexpr std::uint32_t kFactoryCell = 0;
constexpr std::uint32_t kChannelCell = 1;
constexpr std::uint32_t kTextCell = 2;

const char* const kNotACode = "機体コードではありません (RVT で始まる英数字の一行です)";
const char* const kBrokenCode = "機体コードが壊れています。一文字でも変わったり欠けたりしていないか確かめてください";

int bitsFor(std::uint32_t largest)
{
    int bits = 0;
    while (bits < 32 && (largest >> bits) != 0) {
        ++bits;
    }
    return bits;
}

int partBits(int slot)
{
    return bitsFor(kFirstFactoryPart + static_cast<std::uint32_t>(factoryPartNames(slot).size()) - 1);
}

int pilotBits(int n)
{
    return bitsFor(static_cast<std::uint32_t>(PilotSettings::maximum(n) - PilotSettings::minimum(n)));
}

[[noreturn]] void broken()
{
    throw Failure(kBrokenCode);
}

// --- writing

// A text: 0 for "none.gif", else 1 + (length × 2 + 1 when UTF-8) and the bytes: Shift-JIS
// when it gives the same text back (two bytes for a Japanese character, not three).
void writeText(BitWriter& out, const std::string& text)
{
    if (text == kNoPicture) {
        out.writeNumber(0);
        return;
    }
    const auto sjis = sjis::encode(text);
    const bool asSjis = sjis && sjis::decode(*sjis) == text;
    const std::string& bytes = asSjis ? *sjis : text;
    out.writeNumber(1 + bytes.size() * 2 + (asSjis ? 0 : 1));
    out.writeBytes(bytes);
}

bool isChannelCode(const std::string& text)
{
    if (text.size() != 6) {
        return false;
    }
    for (std::size_t i = 0; i < 6; i += 2) {
        if (text[i] < '0' || text[i] > '9' || text[i + 1] < '0' || text[i + 1] > '9'
            || (text[i] - '0') * 10 + (text[i + 1] - '0') > kMaxChannel) {
            return false;
        }
    }
    return true;
}

void writeColors(BitWriter& out, const ColorScheme& colors)
{
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        const std::string& name = colors.cell(0, region);
        const bool standard = name == factoryRegionName(region);
        out.writeBit(standard);
        if (!standard) {
            writeText(out, name);
        }
    }
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        for (int layer = 1; layer <= 4; ++layer) {
            const std::string& cell = colors.cell(layer, region);
            if (cell == factoryColor(layer)) {
                out.write(kFactoryCell, 2);
            } else if (isChannelCode(cell)) {
                out.write(kChannelCell, 2);
                for (std::size_t i = 0; i < 6; i += 2) {
                    out.write(static_cast<std::uint32_t>((cell[i] - '0') * 10 + (cell[i + 1] - '0')), kChannelBits);
                }
            } else {
                out.write(kTextCell, 2);
                writeText(out, cell);
            }
        }
    }
}

void writePilot(BitWriter& out, const PilotSettings& pilot)
{
    const bool start = pilot.values == kStartPilot;
    out.writeBit(start);
    if (start) {
        return;
    }
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        const int value = std::clamp(pilot.value(n), PilotSettings::minimum(n), PilotSettings::maximum(n));
        out.write(static_cast<std::uint32_t>(value - PilotSettings::minimum(n)), pilotBits(n));
    }
}

void writeParts(BitWriter& out, const NamedSelection& named)
{
    bool repeated = false;
    for (Selector selector : allSelectors()) {
        const NamedPart& part = named.parts[selectorIndex(selector)];
        const int slot = slotOfSelector(selector);
        const int number = part.kind == NamedPart::Kind::Part ? factoryPartNumber(slot, part.name) : 0;
        if (part.kind == NamedPart::Kind::NoEquip) {
            out.write(kNoEquipPart, partBits(slot));
        } else if (part.kind == NamedPart::Kind::NoItem) {
            out.write(kNoItemPart, partBits(slot));
        } else if (number > 0) {
            out.write(kFirstFactoryPart + static_cast<std::uint32_t>(number - 1), partBits(slot));
        } else {
            out.write(kWrittenPart, partBits(slot));
            writeText(out, part.name);
        }
        repeated = repeated || (part.kind == NamedPart::Kind::Part && part.occurrence != 1);
    }
    // Which of several parts of one name, only when some catalogue repeats a name.
    out.writeBit(repeated);
    if (repeated) {
        for (const NamedPart& part : named.parts) {
            out.writeNumber(part.kind == NamedPart::Kind::Part ? static_cast<std::uint64_t>(part.occurrence) : 1);
        }
    }
    std::uint32_t boxes = 0;
    for (const NamedOption& option : named.ticked) {
        boxes |= 1u << (option.box - 1);
    }
    out.write(boxes, kOptionCount);
    for (const NamedOption& option : named.ticked) {
        const auto& factory = factoryPartNames(OptionSlot);
        const bool own = option.name && static_cast<std::size_t>(option.box) <= factory.size()
            && factory[optionIndex(option.box)] == *option.name;
        out.writeBit(own);
        if (own) {
            continue;
        }
        const int number = option.name ? factoryPartNumber(OptionSlot, *option.name) : 0;
        if (!option.name) {
            out.write(kOptionWithoutRow, kOptionRefBits);
        } else if (number > 0) {
            out.write(kFirstFactoryOption + static_cast<std::uint32_t>(number - 1), kOptionRefBits);
        } else {
            out.write(kWrittenOption, kOptionRefBits);
            writeText(out, *option.name);
        }
    }
}

std::string checksumOf(std::string_view text)
{
    std::string length(4, '\0');
    for (std::size_t i = 0; i < 4; ++i) {
        length[i] = static_cast<char>((text.size() >> (8 * i)) & 0xFFu);
    }
    return base62::encodeWord(crc32(length, crc32(text)));
}

// --- reading

std::string readText(BitReader& in)
{
    const std::uint64_t header = in.readNumber();
    if (header == 0) {
        return kNoPicture;
    }
    const std::uint64_t length = (header - 1) / 2;
    const bool utf8 = ((header - 1) & 1) != 0;
    if (length > in.remainingBits() / 8) {
        broken();
    }
    const std::string bytes = in.readBytes(static_cast<std::size_t>(length));
    if (utf8) {
        if (!sjis::isValidUtf8(bytes)) {
            broken();
        }
        return bytes;
    }
    auto text = sjis::decode(bytes);
    if (!text) {
        broken();
    }
    return *text;
}

void readColors(BitReader& in, ColorScheme& colors)
{
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        colors.cell(0, region) = in.readBit() ? factoryRegionName(region) : readText(in);
    }
    for (int region = 1; region <= ColorScheme::kRegionCount; ++region) {
        for (int layer = 1; layer <= 4; ++layer) {
            std::string& cell = colors.cell(layer, region);
            const std::uint32_t kind = in.read(2);
            if (kind == kFactoryCell) {
                cell = factoryColor(layer);
            } else if (kind == kChannelCell) {
                std::array<int, 3> channels {};
                for (int& channel : channels) {
                    channel = static_cast<int>(in.read(kChannelBits));
                    if (channel > kMaxChannel) {
                        broken();
                    }
                }
                cell = formatText("%.2d%.2d%.2d", channels[0], channels[1], channels[2]);
            } else if (kind == kTextCell) {
                cell = readText(in);
            } else {
                broken();
            }
        }
    }
}

void readPilot(BitReader& in, PilotSettings& pilot)
{
    if (in.readBit()) {
        pilot.values = kStartPilot;
        return;
    }
    for (int n = 1; n <= PilotSettings::kSettingCount; ++n) {
        const int value = static_cast<int>(in.read(pilotBits(n))) + PilotSettings::minimum(n);
        if (value > PilotSettings::maximum(n)) {
            broken();
        }
        pilot.values[PilotSettings::index(n)] = value;
    }
}

void readParts(BitReader& in, NamedSelection& named)
{
    for (Selector selector : allSelectors()) {
        NamedPart& part = named.parts[selectorIndex(selector)];
        const int slot = slotOfSelector(selector);
        const std::uint32_t ref = in.read(partBits(slot));
        part = NamedPart {};
        if (ref == kNoEquipPart) {
            part.kind = NamedPart::Kind::NoEquip;
        } else if (ref == kNoItemPart) {
            part.kind = NamedPart::Kind::NoItem;
        } else if (ref == kWrittenPart) {
            part.kind = NamedPart::Kind::Part;
            part.name = readText(in);
        } else if (ref - kFirstFactoryPart < factoryPartNames(slot).size()) {
            part.kind = NamedPart::Kind::Part;
            part.name = factoryPartNames(slot)[ref - kFirstFactoryPart];
        } else {
            broken();
        }
    }
    if (in.readBit()) {
        for (NamedPart& part : named.parts) {
            const std::uint64_t occurrence = in.readNumber();
            if (occurrence < 1 || occurrence > 1000) {
                broken();
            }
            part.occurrence = static_cast<int>(occurrence);
        }
    }
    const std::uint32_t boxes = in.read(kOptionCount);
    const auto& factory = factoryPartNames(OptionSlot);
    for (int box = 1; box <= kOptionCount; ++box) {
        if ((boxes & (1u << (box - 1))) == 0) {
            continue;
        }
        NamedOption option;
        option.box = box;
        if (in.readBit()) {
            if (static_cast<std::size_t>(box) > factory.size()) {
                broken();
            }
            option.name = factory[optionIndex(box)];
        } else {
            const std::uint32_t ref = in.read(kOptionRefBits);
            if (ref == kWrittenOption) {
                option.name = readText(in);
            } else if (ref >= kFirstFactoryOption && ref - kFirstFactoryOption < factory.size()) {
                option.name = factory[ref - kFirstFactoryOption];
            } else if (ref != kOptionWithoutRow) {
                broken();
            }
        }
        named.ticked.push_back(option);
    }
}

std::string withoutBlanks(std::string_view text)
{
    std::string kept;
    kept.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            kept.push_back(c);
        }
    }
    return kept;
}

} // namespace

bool SharedMachine::operator==(const SharedMachine& other) const
{
    Machine a = machine;
    Machine b = other.machine;
    a.selection = b.selection = Selection {};
    if (a != b || parts.ticked.size() != other.parts.ticked.size() || parts.parts != other.parts.parts) {
        return false;
    }
    for (std::size_t i = 0; i < parts.ticked.size(); ++i) {
        if (parts.ticked[i].box != other.parts.ticked[i].box || parts.ticked[i].name != other.parts.ticked[i].name) {
            return false;
        }
    }
    return true;
}

SharedMachine shareMachine(const Machine& machine, const PartsTable& table)
{
    return SharedMachine {machine, nameSelection(table, machine.selection)};
}

std::string encodeMachineCode(const SharedMachine& shared)
{
    const Machine& machine = shared.machine;
    BitWriter body;
    writeText(body, machine.machineName);
    writeText(body, machine.pilotName);
    writeText(body, machine.emblem);
    writeText(body, machine.picture);
    writeText(body, machine.description);
    writeParts(body, shared.parts);
    writeColors(body, machine.colors);
    writePilot(body, machine.pilot);

    // The body's length first, so that a code cut short or made longer never reads.
    BitWriter payload;
    payload.writeNumber(body.bytes().size());
    payload.writeBytes(body.bytes());
    std::string code;
    code.reserve(kHeaderLength + payload.bytes().size() * 11 / 8 + 2 + kChecksumDigits);
    code.append(kMachineCodePrefix);
    code.push_back(kMachineCodeVersion);
    code += base62::encode(payload.bytes());
    code += checksumOf(code);
    return code;
}

std::string machineCode(const Machine& machine, const PartsTable& table)
{
    return encodeMachineCode(shareMachine(machine, table));
}

bool looksLikeMachineCode(std::string_view text)
{
    return text.size() > kHeaderLength && text.substr(0, kMachineCodePrefix.size()) == kMachineCodePrefix
        && base62::isDigit(text[kMachineCodePrefix.size()]);
}

SharedMachine decodeMachineCode(std::string_view given)
{
    // Blanks are ignored, so a code wrapped by a board still reads; the length is checked
    // before anything else, so a huge paste costs nothing.
    if (given.size() > 2 * kMaxMachineCodeLength) {
        throw Failure(formatText("機体コードが長すぎます (%zu 文字まで)", kMaxMachineCodeLength));
    }
    const std::string code = withoutBlanks(given);
    if (code.size() > kMaxMachineCodeLength) {
        throw Failure(formatText("機体コードが長すぎます (%zu 文字まで)", kMaxMachineCodeLength));
    }
    if (!looksLikeMachineCode(code)) {
        throw Failure(kNotACode);
    }
    if (code[kMachineCodePrefix.size()] != kMachineCodeVersion) {
        throw Failure(formatText("この機体コードは新しい形式 (%c) です。新しい版の Rivet Tool で開いてください",
                                 code[kMachineCodePrefix.size()]));
    }
    if (code.size() < kHeaderLength + kChecksumDigits) {
        broken();
    }
    const std::string_view text = std::string_view(code).substr(0, code.size() - kChecksumDigits);
    if (checksumOf(text) != std::string_view(code).substr(text.size())) {
        broken();
    }
    const auto payload = base62::decode(text.substr(kHeaderLength));
    if (!payload) {
        broken();
    }
    BitReader header(*payload);
    const std::uint64_t bodySize = header.readNumber();
    if (header.overrun() || header.remainingBits() / 8 != bodySize) {
        broken();
    }
    BitReader in(std::string_view(*payload).substr(payload->size() - static_cast<std::size_t>(bodySize)));
    SharedMachine shared;
    Machine& machine = shared.machine;
    machine.machineName = readText(in);
    machine.pilotName = readText(in);
    machine.emblem = readText(in);
    machine.picture = readText(in);
    machine.description = readText(in);
    readParts(in, shared.parts);
    readColors(in, machine.colors);
    readPilot(in, machine.pilot);
    if (!in.atPaddedEnd()) {
        broken();
    }
    return shared;
}

} // namespace rivet
