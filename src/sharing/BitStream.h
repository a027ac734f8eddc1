#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rivet {

// Bits written most significant first into bytes, for the machine code's packed layout.
class BitWriter
{
public:
    // The low `count` bits of value (count 0..32).
    void write(std::uint32_t value, int count);
    void writeBit(bool bit) { write(bit ? 1u : 0u, 1); }
    // Seven bits at a time, low group first, each followed by a bit saying whether more come.
    void writeNumber(std::uint64_t value);
    void writeBytes(std::string_view bytes);

    // The bytes written, the last one filled up with zero bits.
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
    int m_used = 8; // bits used of the last byte
};

// Reads what BitWriter wrote. Reading past the end sets overrun() and gives zero bits, so a
// caller checks once at the end instead of after every field; counts that would take more
// than what is left are refused by the caller through remainingBits().
class BitReader
{
public:
    explicit BitReader(std::string_view bytes)
        : m_bytes(bytes)
    {
    }

    std::uint32_t read(int count);
    bool readBit() { return read(1) != 0; }
    // A number as writeNumber wrote it; more than ten groups is an overrun.
    std::uint64_t readNumber();
    // `count` bytes, or an overrun (nothing read) when fewer bits are left.
    std::string readBytes(std::size_t count);

    std::size_t remainingBits() const { return m_bytes.size() * 8 - m_position; }
    bool overrun() const { return m_overrun; }
    // True when every bit left is zero and fewer than eight remain: the writer's padding.
    bool atPaddedEnd() const;

private:
    std::string_view m_bytes;
    std::size_t m_position = 0; // in bits
    bool m_overrun = false;
};

} // namespace rivet
