#pragma once
// Display tests need an X server: use $DISPLAY when set, otherwise start a
// private Xvfb for the life of the test process.
#include <string>

namespace testsupport {

// True when a display is there (started on first call). When false,
// `why` says what is missing, for GTEST_SKIP.
bool ensureDisplay(std::string* why = nullptr);

} // namespace testsupport
