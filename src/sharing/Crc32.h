#pragma once

#include <cstdint>
#include <string_view>

namespace rivet {

// The CRC-32 of zip and PNG (polynomial EDB88320, reflected, starting and ending inverted).
// Pass the result of one call as `crc` to continue over more bytes.
std::uint32_t crc32(std::string_view bytes, std::uint32_t crc = 0);

} // namespace rivet
