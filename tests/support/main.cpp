// Every test program runs offscreen with a QApplication, as the windows need one.
#include <QApplication>

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// Built in, so that every way of running a test program gets them.
extern "C" {
// With this toolchain the leak check can crash at exit walking a bogus entry
// of dynamically loaded thread-local storage: that storage is not tracked.
const char* __asan_default_options()
{
    return "intercept_tls_get_addr=0";
}
// Leaks inside system libraries the program does not own.
const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\nleak:libglib\nleak:libdbus\nleak:libX11\nleak:libxcb\nleak:libEGL\nleak:libGL\n";
}
}
#endif

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
