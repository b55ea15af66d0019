// The whole program against what users and machines do to it: hostile diary
// files at start, a second copy, and a catalogue of bad input typed into the
// real window, each checked in the file.
#include "DiaryWindowFixture.h"

#include "app/DPFoodEntryList.h"
#include "app/ResourcePictures.h"
#include "platform/Clipboard.h"
#include "platform/sql/REALSQLDatabase.h"
#include "support/Files.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include <fstream>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <limits>
#include <optional>

namespace fs = std::filesystem;

TEST(StartTest, AnUnusableDiaryIsNamedLeftAsItWasAndEndsTheProgram)
{
    const fs::path file = fs::path(std::getenv("HOME")) / "Documents" / "Di Rizezoz Database";
    fs::create_directories(file.parent_path());
    const auto timeout = platform::REALSQLDatabase::DefaultBusyTimeout();
    platform::REALSQLDatabase::SetDefaultBusyTimeout(50);
    pid_t holder = 0;
    const std::vector<std::pair<std::string, std::function<void()>>> cases{
        {"zero bytes", [&] { std::ofstream(file, std::ios::binary).flush(); }},
        {"random bytes", [&] { std::ofstream(file, std::ios::binary) << std::string(3000, '\x9c'); }},
        {"another program's database", [&] { PlainSQL(file).Exec("CREATE TABLE t (x)"); }},
        {"a folder", [&] { fs::create_directory(file); }},
        {"a dangling link", [&] { fs::create_symlink(file.parent_path() / "gone", file); }},
        {"read-only", [&] {
             platform::REALSQLDatabase::Ref made;
             ASSERT_TRUE(DiaryDB::Init(made));
             fs::permissions(file, fs::perms::owner_read);
         }},
        {"locked by another process", [&] {
             platform::REALSQLDatabase::Ref made;
             ASSERT_TRUE(DiaryDB::Init(made));
             made.reset();  // no connection crosses the fork
             int ready[2];
             ASSERT_EQ(pipe(ready), 0);
             if ((holder = fork()) == 0) {
                 sqlite3* other = nullptr;
                 const bool locked = sqlite3_open(file.c_str(), &other) == SQLITE_OK &&
                                     sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
                 if (write(ready[1], locked ? "l" : "n", 1) == 1)
                     pause();
                 _exit(1);
             }
             char locked = 0;
             EXPECT_EQ(read(ready[0], &locked, 1), 1);
             EXPECT_EQ(locked, 'l');
             close(ready[0]);
             close(ready[1]);
         }},
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
        QObject running;  // a diary that opened would run on
        QTimer::singleShot(10000, &running, [&] { app->Quit(-1); });
        EXPECT_EQ(app->Run(argc, argv), App::kUnusableDiaryStatus);
        ASSERT_EQ(services->messages.size(), 1u);
        EXPECT_NE(services->messages[0].find("\"" + file.string() + "\""), std::string::npos);
        EXPECT_EQ(platform::Application::Window(0), nullptr);
        EXPECT_EQ(testsupport::FileBytes(file), before);
        EXPECT_FALSE(fs::exists(file.string() + "-journal"));
        Vireo2Engine::ResetForTesting();
        platform::Application::Register(nullptr);
        if (holder > 0)
            kill(holder, SIGKILL), waitpid(std::exchange(holder, 0), nullptr, 0);
        fs::remove_all(file);
    }
    platform::REALSQLDatabase::SetDefaultBusyTimeout(timeout);
}

TEST_F(DiaryWindowTest, ASecondCopyOnTheSameDiaryBringsThisOneToTheFrontAndEnds)
{
    window->Visible(false);
    QProcess second;
    second.start(QCoreApplication::applicationDirPath() + "/../dirizezoz");
    ASSERT_TRUE(RunEventLoopUntil([&] { return second.state() == QProcess::NotRunning; }));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_TRUE(RunEventLoopUntil([&] { return window->Visible(); }));
    EXPECT_EQ(Query("SELECT count(*) FROM daily"), Rows({{"1"}}));
}

TEST_F(DiaryWindowTest, TheEndOfTheRunLetsGoOfTheControllerItsWindowAndThePictures)
{
    // Until then the chain keeps the controller and the controller its window.
    const std::weak_ptr<VR2Object> controller = Vireo2Engine::VR2ResponderChainCopy().at(0);
    const std::weak_ptr<MainWindow> main = std::exchange(window, nullptr);
    const std::weak_ptr<platform::Picture> goal = goalEmptyIconPic();
    // As Quit leaves the program: every window closed, the event loop returned.
    app->AutoQuit(false);
    while (const auto open = platform::Application::Window(0))
        open->Close();
    ASSERT_FALSE(controller.expired());
    ASSERT_FALSE(main.expired());
    ASSERT_FALSE(goal.expired());

    AppMain::ReleaseAtEndOfRun();
    EXPECT_TRUE(controller.expired());
    EXPECT_TRUE(main.expired()) << "the window must go while the platform still runs";
    EXPECT_TRUE(goal.expired());
    EXPECT_TRUE(Vireo2Engine::VR2ResponderChainCopy().empty());
}

TEST_F(DiaryWindowTest, BadNumbersAreRefusedWithTheirMessagesAndGoodOnesStoredAsTyped)
{
    const std::vector<std::pair<std::string, std::optional<int32_t>>> numbers{
        {"abc", {}},        {"+5", 5},      {" -7 ", -7},       {"1.5", {}}, {"1e3", {}}, {"\u0663", {}},
        {"12345678901", {}}, {"2147483648", {}}, {"0x10", {}}, {"--1", {}}, {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int32_t>::min()}, {"1,500", {}}, {"12abc", {}},
    };
    const std::string notCalories = "The calorie amount must be a whole number, such as 350.";
    const std::string notAGoal = "The goal must be a whole number, such as 2000.";
    const Lines refusals{notCalories, "The steps must be a whole number, such as 4200.", notAGoal, notAGoal,
                         notCalories};
    for (const auto& [typed, value] : numbers) {
        SCOPED_TRACE("'" + typed + "'");
        Press(kNext);  // a new day, its goals carried over from the last one
        Fill("food_entry_field", "Plum");
        Fill("calorie_entry_field", "1\r");
        const std::string day = Query("SELECT max(entry_date) FROM daily")[0][0];
        const auto dayRow = [&] {
            return Query("SELECT calorie_total, steps, cal_goal, step_goal FROM daily WHERE entry_date = '" + day +
                         "'");
        };
        const Rows before = dayRow();
        // Pasted, and committed with Return: some of these have no key.
        platform::Clipboard::Create()->SetText(typed);
        const auto enter = [&](const VR2View::Ref& field) {
            Click(field);
            QTest::keyClick(testsupport::WidgetOf(*window), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(testsupport::WidgetOf(*window), Qt::Key_V, Qt::ControlModifier);
            Type("\r");
        };
        Fill("food_entry_field", "Pear");
        enter(View("calorie_entry_field"));
        enter(View("steps_entry_field"));
        for (const char* goal : {"dailyStat_calGoal", "dailyStat_stepGoal"})
            enter(View("text", View(goal)) ? View("text", View(goal)) : View(goal));
        const auto plum = List()->getViewList()[0];
        Click(plum, 190);
        enter(View("cal_val", plum));
        const Rows food = Query("SELECT caloric_item, cal_val FROM food WHERE eaten_date = '" + day + "'");
        if (!value) {
            EXPECT_EQ(Messages(), refusals);
            EXPECT_EQ(food, Rows({{"Plum", "1"}}));
            EXPECT_EQ(dayRow(), before);
            continue;
        }
        // Accepted, unless the day's total would leave Int32.
        const auto fits = [](int64_t n) { return n >= INT32_MIN && n <= INT32_MAX; };
        const std::string v = platform::Str(*value);
        Lines messages;
        Rows items{{"Plum", v}};
        int64_t total = 1;
        if (fits(total + *value)) {
            total += *value;
            items.push_back({"Pear", v});
        } else {
            messages.push_back("There was a problem adding the food to the database.");
        }
        if (fits(total - 1 + *value))
            total += *value - 1;
        else
            messages.push_back("Couldn't update database with new values."), items[0][1] = "1";
        EXPECT_EQ(Messages(), messages);
        EXPECT_EQ(food, items);
        EXPECT_EQ(dayRow(), Rows({{std::to_string(total), v, v, v}}));
    }
}

TEST_F(DiaryWindowTest, OddNamesAreStoredAsTheFieldShowsThem)
{
    TemporaryFolder scratch;
    PlainSQL column(scratch.Path() / "affinity");
    column.Exec("CREATE TABLE t (x string)");
    const std::vector<std::string> names{std::string(10000, 'n'), "O'Brien \"big\"", "100% _fat_; \\back\\",
                                         "'); DROP TABLE food; --", "line\nbreak", std::string("nul\0byte", 8),
                                         "\U0001F34E\U0001F34C", "\u5BFF\u53F8", "\u0641\u0644\u0627\u0641\u0644",
                                         "007", "1e3", " 42 ", "12.50"};
    platform::Clipboard::Create()->SetText("");
    for (const auto& name : names) {
        SCOPED_TRACE("'" + name.substr(0, 20) + "'");
        Click(View("food_entry_field"));
        QTest::keyClick(testsupport::WidgetOf(*window), Qt::Key_A, Qt::ControlModifier);
        platform::Clipboard::Create()->SetText(name);  // pasted: some of these cannot be typed
        QTest::keyClick(testsupport::WidgetOf(*window), Qt::Key_V, Qt::ControlModifier);
        const std::string shown = Text("food_entry_field");
        Fill("calorie_entry_field", "5\r");
        std::string quoted;
        for (char c : shown)
            quoted += c == '\'' ? "''" : std::string(1, c);
        column.Exec("DELETE FROM t; INSERT INTO t VALUES ('" + quoted + "')");
        EXPECT_EQ(Query("SELECT caloric_item FROM food ORDER BY id DESC LIMIT 1"), column.Query("SELECT x FROM t"));
        EXPECT_EQ(Messages(), Lines());
    }
    for (const char* blank : {"", "   ", " \n "}) {
        platform::Clipboard::Create()->SetText(blank);
        Click(View("food_entry_field"));
        QTest::keyClick(testsupport::WidgetOf(*window), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(testsupport::WidgetOf(*window), Qt::Key_V, Qt::ControlModifier);
        Fill("calorie_entry_field", "5\r");
    }
    EXPECT_EQ(Messages(), Lines(3, "Either the food name or the calorie amount was missing."));
    EXPECT_EQ(Query("SELECT count(*), sum(cal_val) FROM food"), Rows({{platform::Str(int32_t(names.size())),
                                                                     platform::Str(int32_t(5 * names.size()))}}));
    EXPECT_EQ(Query("SELECT calorie_total FROM daily"), Rows({{platform::Str(int32_t(5 * names.size()))}}));
}
