// A number's width added up from its characters is the width the host's
// layout gives it, in every family, weight, slant and size the program uses.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>

#include "platform/host/HostFont.h"

namespace {

TEST(HostFontTest, NumbersAreAsWideAsTheirLayout) {
    std::mt19937 random(26);
    const std::string characters = "0123456789.,-+ %E";
    std::uniform_int_distribution<std::size_t> pick(0, characters.size() - 1), length(1, 14);
    for (const char* face : {"Arial", "Times New Roman", "Courier New", "Arial Narrow"})
        for (int weight : {FW_NORMAL, FW_BOLD})
            for (Byte italic : {Byte(0), Byte(1)})
                for (int height : {-8, -11, -13, -24}) {
                    LOGFONT font;
                    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
                    font.lfWeight = weight;
                    font.lfItalic = italic;
                    const THostFont host(font, height);
                    for (int i = 0; i < 200; ++i) {
                        std::string text;
                        for (std::size_t n = length(random); n > 0; --n) text += characters[pick(random)];
                        ASSERT_EQ(host.TextWidth(text.c_str(), -1), host.LaidOutWidth(text))
                            << face << " " << weight << (italic ? " italic " : " ") << height << ": \"" << text << "\"";
                    }
                }
}

}  // namespace
