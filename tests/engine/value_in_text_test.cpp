#include "engine/value_in_text.h"

#include <gtest/gtest.h>
#include <string>

using namespace quillet;

TEST(ValueInText, FindsTheFirstTimecodeElseTheFirstNumber)
{
    struct Case {
        const char* name;
        const char* text;
        ValueKind kind;
        const char* found;
    };
    const Case cases[] = {
        {"a timecode beats an earlier number", "Shot 12 TC 10:00:00:00 to 10:00:05:00", ValueKind::kTimecode, "10:00:00:00"},
        {"drop-frame semicolon", "01:00:00;02", ValueKind::kTimecode, "01:00:00;02"},
        {"real time with a point", "in 00:01:02.50 out", ValueKind::kTimecode, "00:01:02.50"},
        {"comma joins too", "00:00:01,500 --> 00:00:02,000", ValueKind::kTimecode, "00:00:01,500"},
        {"the first number when there is no timecode", "Reel 4, take 12", ValueKind::kNumber, "4"},
        {"digits glued to letters", "Shot12b", ValueKind::kNumber, "12"},
        {"a sign is not part of it", "-01:00", ValueKind::kTimecode, "01:00"},
        {"a joiner without a digit after it ends the value", "at 10:00. Then", ValueKind::kTimecode, "10:00"},
        {"doubled joiners split the groups", "10::00", ValueKind::kNumber, "10"},
        {"no digit", "no value: here", ValueKind::kNone, ""},
        {"UTF-8 around it", "\xC3\xA9t\xC3\xA9 7 \xE2\x80\x94 01:02", ValueKind::kTimecode, "01:02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string text = c.text;
        const ValueInText value = FindValueInText(text);
        EXPECT_EQ(value.kind, c.kind);
        EXPECT_EQ(std::string(value.text), c.found);
        if (value.kind != ValueKind::kNone) {
            EXPECT_GE(value.text.data(), text.data()) << "a view into the searched text";
            EXPECT_LE(value.text.data() + value.text.size(), text.data() + text.size());
        }
    }
}
