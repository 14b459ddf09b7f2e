#include <gtest/gtest.h>

#include "text/text.h"

namespace elc {
namespace {

// The build turns the UTF-8 sources into code page 936 bytes; a lost flag shows here.
TEST(TextEncoding, LiteralsAreCodePage936) {
    EXPECT_EQ(std::string("复制"), std::string("\xB8\xB4\xD6\xC6"));
    EXPECT_EQ(std::string("易语言"), std::string("\xD2\xD7\xD3\xEF\xD1\xD4"));
}

struct CutCase {
    const char* text;
    const char* needle;
    const char* expected;
};

class CutAtLastOccurrenceTest : public testing::TestWithParam<CutCase> {};

TEST_P(CutAtLastOccurrenceTest, CutsBeforeTheLastMatch) {
    std::string text = GetParam().text;
    CutAtLastOccurrence(text, GetParam().needle);
    EXPECT_EQ(text, GetParam().expected);
}

// "\x95\x5C" is a two-byte character whose trail byte is a backslash; "\xB1\x5C" too.
INSTANTIATE_TEST_SUITE_P(Table, CutAtLastOccurrenceTest, testing::Values(
    CutCase{"C:\\E\\lib", "\\lib", "C:\\E"},
    CutCase{"C:\\E\\LIB", "\\lib", "C:\\E"},
    CutCase{"C:\\E\\lib\\", "\\lib", "C:\\E"},
    CutCase{"C:\\E\\library\\lib", "\\lib", "C:\\E\\library"},
    CutCase{"C:\\E\\libs", "\\lib", "C:\\E"},
    CutCase{"C:\\E\\e.exe,0", "\\e.exe", "C:\\E"},
    CutCase{"\"C:\\E\\e.exe\",0", "\\e.exe", "\"C:\\E"},
    CutCase{"D:\\tools\\make.exe", "e.exe", "D:\\tools\\mak"},
    CutCase{"D:\\E\\E.EXE", "e.exe", "D:\\E\\"},
    CutCase{"C:\\none", "\\lib", "C:\\none"},
    CutCase{"\\lib\\x", "\\lib", ""},
    CutCase{"", "\\lib", ""},
    // The trail byte 0x5C plus "lib" is no match: the scan steps over whole characters.
    CutCase{"C:\\\x95\x5Clib", "\\lib", "C:\\\x95\x5Clib"},
    CutCase{"C:\\\x95\x5C\\lib", "\\lib", "C:\\\x95\x5C"},
    // A lead byte at the very end stops the scan without reading past it.
    CutCase{"C:\\lib\x95", "\\lib", "C:"},
    CutCase{"ab\x95", "\x95", "ab\x95"},
    // Only ASCII letters fold: 0xC1 and 0xE1 differ.
    CutCase{"x\xC1\xC1y", "\xE1\xE1", "x\xC1\xC1y"}));

TEST(TrimBlanks, RemovesSpacesAndFullWidthSpacesOnly) {
    EXPECT_EQ(TrimBlanks(" \xA1\xA1 D:\\E \xA1\xA1"), "D:\\E");
    EXPECT_EQ(TrimBlanks("\tD:\\E\t"), "\tD:\\E\t");
    EXPECT_EQ(TrimBlanks(" \xA1\xA1  "), "");
    EXPECT_EQ(TrimLeadingBlanks("  D:\\E  "), "D:\\E  ");
    // 0xA1 0xA1 straddling two characters is not a blank: "\xB0\xA1" then "\xA1\xA1".
    EXPECT_EQ(TrimBlanks("\xB0\xA1\xA1\xA1"), "\xB0\xA1");
    // A lone 0xA1 at the end is not a blank.
    EXPECT_EQ(TrimBlanks("x\xA1"), "x\xA1");
}

struct ReplaceCase {
    const char* text;
    const char* replacement;
    const char* expected;
};

class ReplaceFirstTest : public testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceFirstTest, ReplacesOnlyTheFirstPlaceholder) {
    std::string text = GetParam().text;
    ReplaceFirst(text, "%s", GetParam().replacement);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, ReplaceFirstTest, testing::Values(
    ReplaceCase{"\r\n  %s", "Title", "\r\n  Title"},
    ReplaceCase{"%s and %s", "T", "T and %s"},
    ReplaceCase{"%S stays", "T", "%S stays"},
    ReplaceCase{"a%sb", "x%sy", "ax%syb"},
    ReplaceCase{"a%sb", "", "ab"},
    ReplaceCase{"none", "T", "none"},
    // "\x95%" is one character: the '%' inside it does not start a match.
    ReplaceCase{"\x95%s%s", "T", "\x95%sT"}));

TEST(FindLastBackslash, SkipsTrailBytes) {
    EXPECT_EQ(FindLastBackslash("C:\\a\\b.exe"), 4u);
    EXPECT_EQ(FindLastBackslash("C:\\\x95\x5C" "b.exe"), 2u);
    EXPECT_EQ(FindLastBackslash("b.exe"), std::string::npos);
}

}  // namespace
}  // namespace elc
