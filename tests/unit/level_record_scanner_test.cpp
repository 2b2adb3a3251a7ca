#include "level/record_scanner.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Stored {
    RecordPosition at;
    std::string value;
};

std::vector<Stored> scan(std::string_view text)
{
    std::vector<Stored> out;
    scanRecords(text, [&](const RecordPosition& at, std::string_view value) {
        out.push_back({at, std::string(value)});
    });
    return out;
}

void expectAt(const Stored& s, int section, int field, int index, int subIndex)
{
    EXPECT_EQ(s.at.section, section);
    EXPECT_EQ(s.at.field, field);
    EXPECT_EQ(s.at.index, index);
    EXPECT_EQ(s.at.subIndex, subIndex);
}

} // namespace

TEST(RecordScanner, SelectorsPersistUntilSetAgain)
{
    auto v = scan("(2)[3]:4;{0}<a>{1}<b> junk\n\t:1;{0}<c>[7]<d>(5)<e>");
    ASSERT_EQ(v.size(), 5u);
    expectAt(v[0], 2, 0, 3, 4);
    EXPECT_EQ(v[0].value, "a");
    expectAt(v[1], 2, 1, 3, 4);
    expectAt(v[2], 2, 0, 3, 1);
    EXPECT_EQ(v[2].value, "c");
    expectAt(v[3], 2, 0, 7, 1);
    expectAt(v[4], 5, 0, 7, 1);
}

TEST(RecordScanner, StartsAtSectionOneFieldOneAndKeepsValueTextRaw)
{
    auto v = scan("<0.5 >{3}< two words >{4}<>");
    ASSERT_EQ(v.size(), 3u);
    expectAt(v[0], 1, 1, 0, 0);
    EXPECT_EQ(v[0].value, "0.5 ");
    EXPECT_EQ(v[1].value, " two words ");
    EXPECT_EQ(v[2].value, "");
    EXPECT_TRUE(scan("no records at all").empty());
    EXPECT_TRUE(scan("").empty());
}

TEST(RecordScanner, ClosersInsideValuesCutTheTokenAsStoredFilesExpect)
{
    // A ';' in a value sets the sub-index from the text so far; the ';'
    // itself then starts the new token.
    auto semi = scan("(0){2}<Cross 3 gaps; then rest>");
    ASSERT_EQ(semi.size(), 1u);
    expectAt(semi[0], 0, 2, 0, 3);
    EXPECT_EQ(semi[0].value, "; then rest");

    // A ')' moves the value to section -1 when the partial text has no digit.
    auto paren = scan("(0){2}<smile :) now>");
    ASSERT_EQ(paren.size(), 1u);
    EXPECT_EQ(paren[0].at.section, -1);
    EXPECT_EQ(paren[0].at.subIndex, 0);  // ':' opened, but ')' closed section first
    EXPECT_EQ(paren[0].value, ") now");

    // A '>' outside any value stores the (empty) token again.
    auto doubled = scan("{2}<7>>");
    ASSERT_EQ(doubled.size(), 2u);
    EXPECT_EQ(doubled[0].value, "7");
    EXPECT_EQ(doubled[1].value, "");
    expectAt(doubled[1], 1, 2, 0, 0);

    // Openers met while a pair is open become part of the token.
    auto nested = scan("[<2>]<x>");
    ASSERT_EQ(nested.size(), 2u);
    EXPECT_EQ(nested[0].value, "<2");
    EXPECT_EQ(nested[1].at.index, -1);  // the ">" stayed in the token, so "]" read no digit
}

TEST(RecordScanner, UnbalancedAndHugeSelectorsNeverFail)
{
    auto v = scan("((((]]]]{{{:::;<<<>>>))[99999999999999]<v>[-5]<w>");
    ASSERT_FALSE(v.empty());
    EXPECT_EQ(v[v.size() - 2].at.index, 2147483647);
    EXPECT_EQ(v.back().at.index, -5);
}
