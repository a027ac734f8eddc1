#include "sharing/BitStream.h"

namespace rivet {

void BitWriter::write(std::uint32_t value, int count)
{
    for (int bit = count - 1; bit >= 0; --bit) {
        if (m_used == 8) {
            m_bytes.push_back('\0');
            m_used = 0;
        }
        if ((value >> bit) & 1u) {
            m_bytes.back() = static_cast<char>(static_cast<unsigned char>(m_bytes.back()) | (0x80u >> m_used));
        }
        ++m_used;
    }
}

void BitWriter::writeNumber(std::uint64_t value)
{
    do {
        const auto group = static_cast<std::uint32_t>(value & 0x7Fu);
        value >>= 7;
        write(group, 7);
        writeBit(value != 0);
    } while (value != 0);
}

void BitWriter::writeBytes(std::string_view bytes)
{
    for (char c : bytes) {
        write(static_cast<unsigned char>(c), 8);
    }
}

std::uint32_t BitReader::read(int count)
{
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i) {
        value <<= 1;
        if (m_position >= m_bytes.size() * 8) {
            m_overrun = true;
            continue;
        }
        const auto byte = static_cast<unsigned char>(m_bytes[m_position / 8]);
        value |= (byte >> (7 - m_position % 8)) & 1u;
        ++m_position;
    }
    return value;
}

std::uint64_t BitReader::readNumber()
{
    std::uint64_t value = 0;
    for (int group = 0; group < 10; ++group) {
        value |= static_cast<std::uint64_t>(read(7)) << (7 * group);
        if (!readBit()) {
            return value;
        }
    }
    m_overrun = true;
    return 0;
}

std::string BitReader::readBytes(std::size_t count)
{
    if (count > remainingBits() / 8) {
        m_overrun = true;
        return {};
    }
    std::string bytes(count, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(read(8));
    }
    return bytes;
}

bool BitReader::atPaddedEnd() const
{
    if (m_overrun || remainingBits() >= 8) {
        return false;
    }
    if (remainingBits() == 0) {
        return true;
    }
    const auto last = static_cast<unsigned char>(m_bytes.back());
    return (last & ((1u << remainingBits()) - 1u)) == 0;
}

} // namespace rivet
