// The whole program against what users and machines do to it: hostile diary
// files at start, a second copy, and a catalogue of bad input typed into the
// real window, each checked in the file.
#include "DiaryWindowFixture.h"

#include "app/DPFoodEntryList.h"
#include "platform/sql/REALSQLDatabase.h"
#include "support/Files.h"

#include <QCoreApplication>
#include <QProcess>

#include <fstream>

namespace fs = std::filesystem;

TEST(StartTest, AnUnusableDiaryIsNamedLeftAsItWasAndEndsTheProgram)
{
    const fs::path file = fs::path(std::getenv("HOME")) / "Documents" / "Di Rizezoz Database";
    fs::create_directories(file.parent_path());
    const auto timeout = platform::REALSQLDatabase::DefaultBusyTimeout();
    platform::REALSQLDatabase::SetDefaultBusyTimeout(50);
    const std::vector<std::pair<std::string, std::function<void()>>> cases{
        {"zero bytes", [&] { std::ofstream(file, std::ios::binary).flush(); }},
        {"random bytes", [&] { std::ofstream(file, std::ios::binary) << std::string(3000, '\x9c'); }},
        {"another program's database", [&] { PlainSQL(file).Exec("CREATE TABLE t (x)"); }},
        {"a folder", [&] { fs::create_directory(file); }},
        {"a dangling link", [&] { fs::create_symlink(file.parent_path() / "gone", file); }},
    };
    for (const auto& [context, make] : cases) {
        SCOPED_TRACE(context);
        make();
        const std::string before = testsupport::FileBytes(file);
        testsupport::ScopedRecordingServices services;
        const auto app = AppMain::NewAppInstance();
        AppMain::ApplicationAddMenuHandlers();
        int argc = 1;
        char name[] = "dirizezoz";
        char* argv[] = {name, nullptr};
        EXPECT_EQ(app->Run(argc, argv), App::kUnusableDiaryStatus);
        ASSERT_EQ(services->messages.size(), 1u);
        EXPECT_NE(services->messages[0].find("\"" + file.string() + "\""), std::string::npos);
        EXPECT_EQ(platform::Application::Window(0), nullptr);
        EXPECT_EQ(testsupport::FileBytes(file), before);
        EXPECT_FALSE(fs::exists(file.string() + "-journal"));
        Vireo2Engine::ResetForTesting();
        platform::Application::Register(nullptr);
        fs::remove_all(file);
    }
    platform::REALSQLDatabase::SetDefaultBusyTimeout(timeout);
}

TEST_F(DiaryWindowTest, ASecondCopyOnTheSameDiaryBringsThisOneToTheFrontAndEnds)
{
    window->Visible(false);
    QProcess second;
    second.start(QCoreApplication::applicationDirPath() + "/../dirizezoz");
    ASSERT_TRUE(RunEventLoopUntil([&] { return second.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(RunEventLoopUntil([&] { return window->Visible(); }));
    EXPECT_EQ(Query("SELECT count(*) FROM daily"), Rows({{"1"}}));
}
