#include "app/stored_text.h"

#include <gtest/gtest.h>

TEST(StoredText, integersReadBackAsTheRuntimeConvertsThem) {
    EXPECT_EQ(integerFromText("11000"), 11000);
    EXPECT_EQ(integerFromText(" 7 "), 7);
    EXPECT_EQ(integerFromText("-3"), -3);
    EXPECT_EQ(integerFromText("2.5"), 2) << "halves round to even";
    EXPECT_EQ(integerFromText("3.5"), 4);
    EXPECT_EQ(integerFromText("32767"), 32767);
    EXPECT_EQ(integerFromText("-32768"), -32768);
}

TEST(StoredText, unreadableIntegersGiveNothing) {
    EXPECT_FALSE(integerFromText(""));
    EXPECT_FALSE(integerFromText("abc"));
    EXPECT_FALSE(integerFromText("12abc"));
    EXPECT_FALSE(integerFromText("32768"));
    EXPECT_FALSE(integerFromText("-40000"));
    EXPECT_FALSE(integerFromText("nan"));
}

TEST(StoredText, singlesRoundTripWithoutNeedlessDigits) {
    EXPECT_EQ(textFromSingle(5680.0f), "5680");
    EXPECT_EQ(textFromSingle(5680.5f), "5680.5");
    EXPECT_EQ(textFromSingle(-120.0f), "-120");
    EXPECT_EQ(textFromSingle(0.0f), "0");
    for (float value : {5680.0f, 5680.5f, -120.25f, 123456.7f})
        EXPECT_FLOAT_EQ(*singleFromText(textFromSingle(value)), value);
    EXPECT_FALSE(singleFromText("left"));
    EXPECT_FALSE(singleFromText("1e300"));
}
