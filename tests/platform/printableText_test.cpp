#include "platform/printableText.h"

#include <gtest/gtest.h>

#include <string>

TEST(PrintableText, EscapesTerminalCommandsNulAndTheBackslashKeepingPlainText) {
    EXPECT_EQ(printableText("brake w"), "brake w");
    EXPECT_EQ(printableText("\x1b]0;owned\x07"), "\\x1b]0;owned\\x07");
    EXPECT_EQ(printableText(std::string("a\0b", 3)), "a\\x00b");
    EXPECT_EQ(printableText("C:\\x1b"), "C:\\x5cx1b");
    EXPECT_EQ(printableText("\xff\n"), "\\xff\\x0a");
}
