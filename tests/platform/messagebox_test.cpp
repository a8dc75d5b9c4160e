#include "engine/platform/system.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string shown(const char* text)
{
    testing::internal::CaptureStderr();
    MessageBoxA(nullptr, text, "ERREUR", MB_OK);
    return testing::internal::GetCapturedStderr();
}

} // namespace

TEST(MessageBox, ShowsWindows1252TextAsUtf8)
{
    // 0x80 and 0x92 are where Windows-1252 departs from Latin-1; 0xE9 is where it does not.
    EXPECT_EQ(shown("\x80 l\x92\xE9t\xE9"), "ERREUR: \u20AC l\u2019\u00E9t\u00E9\n");
    EXPECT_EQ(shown("d\xC3\xA9j\xC3\xA0 UTF-8 \xE2\x82\xAC"), "ERREUR: d\u00E9j\u00E0 UTF-8 \u20AC\n");
}
