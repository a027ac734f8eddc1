#include "sharing/PngText.h"

#include "common/Failure.h"

#include <gtest/gtest.h>

using namespace rivet;

namespace {

// A PNG of a header chunk and the end chunk: all a text chunk needs around it.
const std::string kPng = std::string("\x89PNG\r\n\x1a\n", 8) + std::string("\0\0\0\x0dIHDR", 8) + std::string(13, '\1')
    + std::string(4, '\0') + std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12);

} // namespace

TEST(PngText, aTextChunkComesBackAndDamageReadsAsNone)
{
    const std::string card = png::withText(kPng, "Key", "RVT1abc");
    EXPECT_EQ(png::text(card, "Key"), "RVT1abc");
    EXPECT_EQ(png::text(card, "Other"), std::nullopt);
    EXPECT_EQ(png::text(kPng, "Key"), std::nullopt);
    // Cut anywhere, or with a chunk length pointing past the end, it reads as no text.
    for (std::size_t length = 0; length < card.size(); ++length) {
        const auto cut = png::text(card.substr(0, length), "Key");
        EXPECT_TRUE(!cut || *cut == "RVT1abc") << length;
    }
    std::string huge = card;
    huge[33] = '\x7f';
    EXPECT_EQ(png::text(huge, "Key"), std::nullopt);
    EXPECT_THROW(png::withText("GIF89a", "Key", "x"), Failure);
}
