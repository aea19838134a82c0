#include <gtest/gtest.h>

#include <string>

#include "engine/strict_number.h"

TEST(StrictNumber, Int32AcceptsPlainDecimalsOverTheWholeRange)
{
    const struct {
        const char* text;
        int32_t value;
    } good[] = {
        {"0", 0},
        {"7425", 7425},
        {"-17", -17},
        {"+5", 5},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
    };
    for (const auto& c : good) {
        int32_t value = 99;
        EXPECT_TRUE(ParseInt32(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(StrictNumber, Int32RejectsEverythingElseAndKeepsTheValue)
{
    for (const char* text : {"", "-", "+", "+-1", "2147483648", "-2147483649", "99999999999999999999", " 1", "1 ",
                             "1.0", "0x10", "1e3", "12a", "١", "１", "nan"}) {
        int32_t value = 99;
        EXPECT_FALSE(ParseInt32(text, value)) << text;
        EXPECT_EQ(value, 99) << text;
    }
}

TEST(StrictNumber, DecimalGivesTheNearestDouble)
{
    const struct {
        const char* text;
        double value;
    } good[] = {
        {"1.217", 1.217}, {"1.2", 1.2},     {"1", 1.0},    {".5", 0.5},
        {"3.", 3.0},      {"-0.25", -0.25}, {"+1.5", 1.5}, {"0.1000000000000000055511151231257827", 0.1},
    };
    for (const auto& c : good) {
        double value = 99;
        EXPECT_TRUE(ParseDecimal(c.text, value)) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(StrictNumber, DecimalRejectsEverythingElseAndKeepsTheValue)
{
    const std::string huge = "1" + std::string(400, '0');
    for (const std::string& text :
         {std::string(""), std::string("."), std::string("-"), std::string("-."), std::string("1.2.3"),
          std::string("1,2"), std::string(" 1.2"), std::string("1.2 "), std::string("nan"), std::string("inf"),
          std::string("1e3"), std::string("0x1p3"), std::string("1.2f"), huge}) {
        double value = 99;
        EXPECT_FALSE(ParseDecimal(text, value)) << text;
        EXPECT_EQ(value, 99) << text;
    }
}
