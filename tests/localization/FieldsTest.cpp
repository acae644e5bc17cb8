#include "mlFields.h"

#include "QtPrint.h"

#include <gtest/gtest.h>

namespace {
const QChar D(1);

// An entry as the language components write it, with D standing for "|".
QString Entry(const char *text) { return QString::fromUtf8(text).replace(u'|', D); }
} // namespace

TEST(Fields, EmptyFieldsCountAndTheClosingDelimiterOpensNone)
{
    const QString entry = Entry("buOK|A||C|");
    EXPECT_EQ(FieldPosition(1, entry, D), 1);
    EXPECT_EQ(FieldPosition(2, entry, D), 6);
    EXPECT_EQ(FieldPosition(3, entry, D), 8);
    EXPECT_EQ(FieldPosition(4, entry, D), 9);
    EXPECT_EQ(FieldPosition(5, entry, D), 0);
    EXPECT_EQ(ExtractField(1, entry, D), "buOK");
    EXPECT_EQ(ExtractField(2, entry, D), "A");
    EXPECT_EQ(ExtractField(3, entry, D), "");
    EXPECT_EQ(ExtractField(4, entry, D), "C");
    EXPECT_EQ(ExtractField(5, entry, D), "");
    EXPECT_EQ(ExtractField(0, entry, D), "");
    EXPECT_EQ(ExtractField(-1, entry, D), "");
    // The last field needs no closing delimiter.
    EXPECT_EQ(ExtractField(3, Entry("name|Open|Открыть"), D), QString::fromUtf8("Открыть"));
}

TEST(Fields, ALeadingDelimiterIsSkippedAndShortTextsHaveNoField)
{
    EXPECT_EQ(FieldPosition(1, Entry("|first|second"), D), 2);
    EXPECT_EQ(ExtractField(1, Entry("|first|second"), D), "first");
    EXPECT_EQ(ExtractField(2, Entry("|first|second"), D), "second");
    EXPECT_EQ(ExtractField(1, Entry("||x"), D), "");
    EXPECT_EQ(ExtractField(2, Entry("||x"), D), "x");
    EXPECT_EQ(FieldPosition(1, "", D), 0);
    EXPECT_EQ(ExtractField(1, "", D), "");
    EXPECT_EQ(ExtractField(1, Entry("|"), D), "");
    EXPECT_EQ(ExtractField(2, "single", D), "");
    // Every character of the set delimits.
    EXPECT_EQ(ExtractField(3, "a,b;c", ",;"), "c");
    EXPECT_EQ(ExtractField(2, "a\tb", QChar(9)), "b");
}

TEST(Fields, ReplaceTextChangesTheFirstOrEveryOccurrenceOnce)
{
    EXPECT_EQ(ReplaceText("a-b-c", "-", "+", false), "a+b-c");
    EXPECT_EQ(ReplaceText("a-b-c", "-", "+", true), "a+b+c");
    // What a replacement creates across the seam is not replaced again.
    EXPECT_EQ(ReplaceText("aabb", "ab", "", true), "ab");
    EXPECT_EQ(ReplaceText("xxx", "x", "xx", true), "xxxxxx");
    // Occurrences do not overlap and case counts.
    EXPECT_EQ(ReplaceText("aaaa", "aa", "b", true), "bb");
    EXPECT_EQ(ReplaceText("Ab ab", "ab", "-", true), "Ab -");
    EXPECT_EQ(ReplaceText("abc", "", "x", true), "abc");
    EXPECT_EQ(ReplaceText("", "a", "x", true), "");
    EXPECT_EQ(ReplaceText("abc", "abc", "", false), "");
    EXPECT_EQ(ReplaceText("abc", "abcd", "x", true), "abc");
}
