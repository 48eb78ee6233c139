#include "shell/windows1252.h"

#include <gtest/gtest.h>

namespace csp {
namespace {

TEST(Windows1252, HalfSignAndHighPunctuationBecomeUtf8AndBack) {
    const std::string line = "r = (I/A)\xBD \x80 \x96 \x93q\x94";
    const std::string utf8 = windows1252ToUtf8(line);
    EXPECT_EQ(utf8, "r = (I/A)\u00BD \u20AC \u2013 \u201Cq\u201D");
    EXPECT_EQ(utf8ToWindows1252(utf8), line);
}

TEST(Windows1252, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToWindows1252(windows1252ToUtf8(all)), all);
}

TEST(Windows1252, UnrepresentableOrMalformedTextBecomesQuestionMarks) {
    EXPECT_EQ(utf8ToWindows1252("5000\u4E00"), "5000?");
    EXPECT_EQ(utf8ToWindows1252("7\xC3"), "7?");
    EXPECT_EQ(utf8ToWindows1252("\xFF" "1"), "?1");
    EXPECT_EQ(utf8ToWindows1252("\U0001F600"), "?");
}

TEST(Windows1252, OverlongFormsSurrogatesAndCodePointsPastUnicodeAreMalformed) {
    struct Case {
        const char* utf8;
        const char* expected;
    };
    for (const Case& c : {Case{"5\xC0\xAE" "5", "5??5"},  // an overlong '.' must not make 5.5
                          Case{"\xE0\x80\xB7", "???"}, Case{"\xF0\x80\x80\xB7", "????"},
                          Case{"\xC2\xBD", "\xBD"},  // the shortest form of the same kind stays
                          Case{"\xED\xA0\x80", "???"}, Case{"\xF4\x90\x80\x80", "????"},
                          Case{"\xF5\x80\x80\x80", "????"}})
        EXPECT_EQ(utf8ToWindows1252(c.utf8), c.expected) << c.utf8;
}

}  // namespace
}  // namespace csp
