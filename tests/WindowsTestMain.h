// The environment every Windows test program runs in (WindowsTestMain.cpp).
#pragma once

// Exceptions that message handlers let out and the application caught during
// the running test. Each one fails that test with its message; loops that
// wait for a window to act stop early when one more comes.
int ExceptionsReachingApplication();
