// The Shift-JIS text layer under every file the tool reads and writes.
//
// Bytes that decode encode again to bytes that decode to the same text (code page 932 has
// a few characters with two codes, so the bytes themselves may differ); a refusal points at
// the first bad byte, with everything before it decodable. Cutting to a byte limit never
// splits a double-byte character, and widths and padding count Shift-JIS bytes. Text given as
// UTF-8 that encodes comes back as text that encodes to the same bytes.
#include "FuzzSupport.h"

#include "common/ShiftJis.h"

using namespace rivet;
using rivet::fuzz::shown;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::asText(data, size);

    std::size_t bad = 0;
    const std::optional<std::string> text = sjis::decode(bytes, &bad);
    if (text) {
        const std::optional<std::string> again = sjis::encode(*text);
        FUZZ_CHECK(again.has_value(), shown(bytes) + " decodes to text that does not encode");
        FUZZ_CHECK(sjis::decode(*again) == text, shown(bytes) + " does not come back through an encoding");
        FUZZ_CHECK(sjis::byteWidth(*text) == static_cast<int>(again->size()), shown(bytes) + ": width is not bytes");
        for (const std::size_t limit : {std::size_t {0}, std::size_t {1}, size / 2, size > 0 ? size - 1 : 0}) {
            const std::string_view cut = sjis::cutBytes(bytes, limit);
            FUZZ_CHECK(cut.size() <= limit && cut.size() + 1 >= std::min(limit, size),
                       shown(bytes) + " cut to " + std::to_string(limit) + " keeps " + std::to_string(cut.size()));
            FUZZ_CHECK(sjis::decode(cut).has_value(),
                       shown(bytes) + " cut to " + std::to_string(limit) + " splits a character");
        }
        for (const int width : {0, 15, 40}) {
            const std::string padded = sjis::padRight(*text, width);
            FUZZ_CHECK(padded.compare(0, text->size(), *text) == 0
                           && sjis::byteWidth(padded) == std::max(width, sjis::byteWidth(*text)),
                       shown(bytes) + " padded to " + std::to_string(width));
        }
    } else {
        FUZZ_CHECK(bad < size, shown(bytes) + ": the bad byte lies outside the input");
        FUZZ_CHECK(sjis::decode(bytes.substr(0, bad)).has_value(),
                   shown(bytes) + ": bytes before the bad one do not decode");
    }

    // The same bytes taken as UTF-8 text, as the window's fields hand text over.
    std::string badCharacter;
    const std::optional<std::string> encoded = sjis::encode(bytes, &badCharacter);
    if (encoded) {
        const std::optional<std::string> decoded = sjis::decode(*encoded);
        FUZZ_CHECK(decoded.has_value(), shown(bytes) + " encodes to bytes that do not decode");
        FUZZ_CHECK(sjis::encode(*decoded) == encoded, shown(bytes) + " does not settle after one round");
    } else {
        FUZZ_CHECK(!badCharacter.empty() && bytes.find(badCharacter) != std::string_view::npos,
                   shown(bytes) + ": the refused character " + shown(badCharacter) + " is not in the text");
    }
    return 0;
}
