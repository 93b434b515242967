#include "engine/value_in_text.h"

#include <gtest/gtest.h>

using quillet::FirstValueInText;

TEST(ValueInText, TakesTheFirstTimeCodeElseTheFirstNumber)
{
    struct Case { const char* text; const char* value; } cases[] = {
        {"Shot 12 TC 10:00:00:00 to 10:00:05:00", "10:00:00:00"},
        {"01:00:00;00", "01:00:00;00"},
        {"dur 1:00.00 (approx)", "1:00.00"},
        {"frames: 1234", "1234"},
        {"take 3, 17 frames", "3"},
        {"Clip 3,00:00:10:00,00:00:20:00", "00:00:10:00"},
        {"ends at 10:00: then", "10:00"},
        {"..12..34", "12"},
        {"-00:00:05:00", "00:00:05:00"},
        {"no digits here", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FirstValueInText(c.text), c.value);
    }
}
