#include <gtest/gtest.h>

#include "ui/model/Cp936Text.h"

TEST(Cp936Text, CountsBytesOfCodePage936)
{
    EXPECT_EQ(Cp936Counter().Length(""), 0);
    EXPECT_EQ(Cp936Counter().Length("abc"), 3);
    EXPECT_EQ(Cp936Counter().Length("芙蓉仙子"), 8);
    EXPECT_EQ(Cp936Counter().Length("芙蓉a"), 5);
    EXPECT_EQ(Cp936Counter().Length("€"), 1) << "code page 936 holds the euro sign in one byte";
    EXPECT_EQ(Cp936Counter().Length("😀"), -1) << "beyond code page 936";
    EXPECT_EQ(Cp936Counter().Length("가"), -1);
    EXPECT_EQ(Cp936Counter().Length("\xff"), -1) << "broken UTF-8";
}

TEST(Cp936Text, EditsStayWithinTheLimit)
{
    // Typing into a full name does nothing; a half-fitting character is refused.
    EXPECT_EQ(FitCp936Edit("芙蓉仙子仙子", "芙蓉仙子仙子a", 12), "芙蓉仙子仙子");
    EXPECT_EQ(FitCp936Edit("abcdefghijk", "abcdefghijk仙", 12), "abcdefghijk");
    EXPECT_EQ(FitCp936Edit("abcdefghijk", "abcdefghijkl", 12), "abcdefghijkl");
    // A paste in the middle is cut so the text around it survives.
    EXPECT_EQ(FitCp936Edit("ab", "a仙子仙子仙子仙子b", 12), "a仙子仙子仙b");
    // Characters the encoding lacks are dropped from what was inserted.
    EXPECT_EQ(FitCp936Edit("", "仙😀子", 12), "仙子");
    // Deleting is always fine, even from a name that came in too long.
    EXPECT_EQ(FitCp936Edit("仙子仙子仙子仙子", "仙子仙子仙子仙", 12), "仙子仙子仙子仙");
    EXPECT_EQ(FitCp936Edit("仙子仙子仙子仙子", "仙子仙子仙子仙子a", 12), "仙子仙子仙子仙子");
}

TEST(Cp936Text, LongTextsCountAcrossEveryConversionWindow)
{
    // Three-byte characters: the windows of the conversion end inside one.
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += i % 7 == 0 ? "a" : "仙";
    const long expected = 100000 / 7 + 1 + (100000 - (100000 / 7 + 1)) * 2;
    EXPECT_EQ(Cp936Counter().Length(text), expected);
    EXPECT_EQ(Cp936Counter().Length(text + "😀"), -1) << "a refusal at the very end";
    EXPECT_EQ(Cp936Counter().Length(text + "\xe4\xbb"), -1) << "a character cut off at the end";
    EXPECT_EQ(Cp936Counter().Length("😀" + text), -1);
}

TEST(Cp936Text, WithoutTheConverterEstimatesInsteadOfRefusing)
{
    EXPECT_TRUE(Cp936Available());
    Cp936Counter missing("NO-SUCH-ENCODING-FOR-DASHU");
    EXPECT_FALSE(missing.Exact());
    EXPECT_EQ(missing.Length("芙蓉a"), 5);
    EXPECT_EQ(missing.Length("\xff"), -1);
    EXPECT_EQ(missing.Fit("", "芙蓉仙子仙子仙", 12), "芙蓉仙子仙子");
}
