#include "platform/core/CNumberReading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// Every system reads the same numbers the same way, whatever the process's
// locale: decimals, hexadecimal forms rounded to the nearest double, the
// inf and nan spellings, and sscanf's refusal of what stops short of one.
TEST(NumberReading, ReadsTheCLocalesNumbers)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char *text;
        double value; // of Strtod
        int end;      // where Strtod stopped
        bool bScans;  // ScanDouble reads a number (then the same one)
    };
    const Case cases[] = {
        {"2.5", 2.5, 3, true},
        {"  -1e3x", -1000, 6, true},
        {"1e", 1, 1, true},
        {".e1", 0, 0, false},
        {"0x10", 16, 4, true},
        {"-0x1P-2", -0.25, 7, true},
        {"0X1.8p1", 3, 7, true},
        {"0x.8", 0.5, 4, true},
        {"0x1p", 1, 3, true},
        {"0x", 0, 1, false},
        {"0xg", 0, 1, false},
        {"0x1.fffffffffffff8p0 (a tie rounds to even)", 2, 20, true},
        {"0x1.00000000000008p-1074 (just above half the least)", 0x1p-1074, 24, true},
        {"0x1p-1075 (half the least rounds to zero)", 0, 9, true},
        {"0x123456789abcdef0123p0 (more digits than a double)", 0x123456789abcdef0123p0, 23, true},
        {"inf", inf, 3, true},
        {"  +INFINITY", inf, 11, true},
        {"infinit", inf, 3, false},
        {"in", 0, 0, false},
        {"nan", nan, 3, true},
        {"NaN(a_1)", nan, 8, true},
        {"nan(", nan, 3, true},
    };
    for (const Case &c : cases) {
        char *end = nullptr;
        const double value = CNumberReading::Strtod(c.text, &end);
        EXPECT_TRUE(value == c.value || (std::isnan(value) && std::isnan(c.value))) << c.text << ": " << value;
        EXPECT_EQ(end - c.text, c.end) << c.text;
        double scanned = -99;
        EXPECT_EQ(CNumberReading::ScanDouble(c.text, scanned), c.bScans) << c.text;
        if (c.bScans) {
            EXPECT_TRUE(scanned == value || (std::isnan(scanned) && std::isnan(value))) << c.text;
        }
    }
}
