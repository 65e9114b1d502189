// Runs the flight layer's tests where there is no Qt: GoogleTest alone. The console speaks UTF-8
// so that the names of files with umlauts in failure messages stay readable on Windows.

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

int main(int argc, char** argv)
{
#ifdef _WIN32
    SetConsoleOutputCP(CP_UTF8);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
