// Entry point of every test program: a headless Qt application with a
// throw-away HOME, so that no test touches the real user's files.
#include "support/ProgramSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::filesystem::path MakeTemporaryFolder(const char* pattern)
{
    std::string path = (std::filesystem::temp_directory_path() / pattern).string();
    if (!mkdtemp(path.data()))
        std::abort();
    return path;
}

}  // namespace

// The default, for the programs that need no setup of their own.
__attribute__((weak)) void testsupport::ProgramSetup() {}

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const auto home = MakeTemporaryFolder("diary-home-XXXXXX");
    const auto runtime = MakeTemporaryFolder("diary-runtime-XXXXXX");
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    unsetenv("XDG_DOCUMENTS_DIR");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_CACHE_HOME");

    int result = 0;
    {
        QApplication application(argc, argv);
        testing::InitGoogleTest(&argc, argv);
        testsupport::ProgramSetup();
        result = RUN_ALL_TESTS();
    }
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    std::filesystem::remove_all(runtime, ignored);
    return result;
}
