#include "platform/NaturalOrder.h"

#include <gtest/gtest.h>

TEST(NaturalOrder, OrdersNamesAsPeopleDo) {
    struct Case {
        const char* before;
        const char* after;
    };
    const Case cases[] = {
        {"file2", "file10"},  // numbers by value
        {"plan", "Plan2"},    // a prefix first
        {"apple", "Banana"},  // case ignored
        {"A", "a"},           // equal ignoring case: still a fixed order
        {"x9y", "x10a"},      // numbers in the middle
        {"part007", "part8"}, // leading zeros count for nothing
        {"part08", "part8"},  // ... except as the last word between equals
        {"a 1", "a1"},        // a blank sorts before a digit
        {"img99999999999999999998", "img99999999999999999999"}, // longer than 64 bits
    };
    for (const Case& c : cases) {
        const QString before = QString::fromUtf8(c.before);
        const QString after = QString::fromUtf8(c.after);
        EXPECT_LT(naturalCompare(before, after), 0) << c.before << " < " << c.after;
        EXPECT_GT(naturalCompare(after, before), 0) << c.after << " > " << c.before;
    }
    EXPECT_EQ(naturalCompare("same10", "same10"), 0);
}
