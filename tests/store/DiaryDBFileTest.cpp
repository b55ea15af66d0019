#include "store/StoreFixture.h"
#include "support/Files.h"

#include <fstream>
#include <unistd.h>

using platform::REALSQLDatabase;

namespace {

// Every change, and every read, gives its failure result; `context` names the case.
void ExpectEveryChangeFails(const std::string& context)
{
    const auto day = platform::Date::Create(2026, 12, 6);
    auto item = DPFoodRecord::Create();
    item->EatenDate = day;
    item->CalVal = 120;
    EXPECT_EQ(DiaryDB::AddFood(item), -1) << context;
    EXPECT_EQ(item->id, 0) << context;
    EXPECT_FALSE(DiaryDB::Remove_Food(1)) << context;
    EXPECT_FALSE(DiaryDB::Update_Food(1, std::string("bread"))) << context;
    EXPECT_FALSE(DiaryDB::Update_Food(1, 80)) << context;
    EXPECT_FALSE(DiaryDB::AddTo_Calorie_Total(day, 10)) << context;
    EXPECT_FALSE(DiaryDB::AddTo_Steps(day, 10)) << context;
    EXPECT_FALSE(DiaryDB::Update_Goal_Food(day, 1800)) << context;
    EXPECT_FALSE(DiaryDB::Update_Goal_Steps(day, 9000)) << context;
    EXPECT_EQ(DiaryDB::GetDaily(platform::Date::Create(2026, 12, 7)), nullptr) << context << ": a new day";
}
void ExpectEveryReadFails(const std::string& context)
{
    const auto day = platform::Date::Create(2026, 12, 6);
    EXPECT_EQ(DiaryDB::GetDaily(day), nullptr) << context;
    EXPECT_EQ(DiaryDB::GetAllFood(), nullptr) << context;
    EXPECT_EQ(DiaryDB::GetAllDaily(), nullptr) << context;
    EXPECT_EQ(DiaryDB::GetMonthlyStats(day), nullptr) << context;
}
void ExpectEveryOperationFails(const std::string& context)
{
    ExpectEveryChangeFails(context);
    ExpectEveryReadFails(context);
}

const char* const kDailySchema =
    "CREATE TABLE daily (id Integer primary key autoincrement,cal_goal_reached Boolean,cal_goal integer,"
    "calorie_total integer,entry_date date,steps integer,step_goal integer,steps_goal_reached Boolean )";
const char* const kFoodSchema =
    "CREATE TABLE food (id integer primary key autoincrement,caloric_item string,cal_val integer,eaten_date date )";

}  // namespace

TEST_F(StoreTest, FirstStartCreatesBothTablesInDevuserOnly)
{
    const auto documents = std::filesystem::path(std::getenv("HOME")) / "Documents" / "Di Rizezoz Database";
    std::filesystem::remove(documents);
    REALSQLDatabase::Ref db;
    ASSERT_TRUE(DiaryDB::Init(db));
    ASSERT_NE(db, nullptr);
    EXPECT_TRUE(db->IsConnected());
    EXPECT_FALSE(std::filesystem::exists(documents));

    PlainSQL plain(File());
    EXPECT_EQ(plain.Query("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' "
                         "ORDER BY name"),
              (Rows{{"daily", kDailySchema}, {"food", kFoodSchema}}));
    EXPECT_EQ(plain.Count("daily"), 0);
    EXPECT_EQ(plain.Count("food"), 0);

    // Later calls open the same file.
    EXPECT_EQ(DiaryDB::AddFood(Food("egg", 78, Day(2026, 12, 6))), 1);
    EXPECT_EQ(plain.Count("food"), 1);
}

TEST_F(StoreTest, WithoutADevuserFolderTheFileLivesInDocuments)
{
    const auto documents = std::filesystem::path(std::getenv("HOME")) / "Documents";
    const auto file = documents / "Di Rizezoz Database";
    std::filesystem::remove_all(documents);
    std::filesystem::remove(Devuser());
    std::ofstream(Devuser()) << "a file called devuser is not the folder";

    EXPECT_EQ(DiaryDB::AddFood(Food("egg", 78, Day(2026, 12, 6))), 1);
    EXPECT_TRUE(std::filesystem::is_regular_file(Devuser()));
    ASSERT_TRUE(std::filesystem::exists(file));
    {
        PlainSQL plain(file);
        EXPECT_EQ(plain.Query("SELECT caloric_item, cal_val FROM food"), (Rows{{"egg", "78"}}));
    }
    std::filesystem::remove_all(documents);
}

TEST_F(StoreTest, FileThatIsNotADatabaseIsRefusedAndLeftAlone)
{
    const std::string text = "Dear diary, today I ate far too much cake and walked not nearly enough.\n";
    std::ofstream(File()) << text;
    REALSQLDatabase::Ref db = REALSQLDatabase::Create();
    EXPECT_FALSE(DiaryDB::Init(db));
    EXPECT_EQ(db, nullptr);
    ExpectEveryOperationFails("not a database");
    EXPECT_EQ(testsupport::FileBytes(File()), text);
}

TEST_F(StoreTest, FileWithoutTablesOpensButEveryOperationFails)
{
    std::ofstream(File()).close();
    REALSQLDatabase::Ref db;
    EXPECT_TRUE(DiaryDB::Init(db));
    db.reset();
    ExpectEveryOperationFails("no tables");
    PlainSQL plain(File());
    EXPECT_EQ(plain.Count("sqlite_master"), 0) << "nothing repairs the file";
}

TEST_F(StoreTest, ReadOnlyFolderFailsEveryOperation)
{
    namespace fs = std::filesystem;
    fs::permissions(Devuser(), fs::perms::owner_read | fs::perms::owner_exec);
    if (access(Devuser().c_str(), W_OK) == 0) {
        // Permissions do not hold the super-user back; sysfs does. Never
        // change permissions through this link.
        fs::permissions(Devuser(), fs::perms::owner_all);
        fs::remove(Devuser());
        fs::create_directory_symlink("/sys", Devuser());
    }
    ExpectEveryOperationFails("read-only folder");
    EXPECT_FALSE(fs::exists(File()));
    if (!fs::is_symlink(Devuser()))
        fs::permissions(Devuser(), fs::perms::owner_all);
}

TEST_F(StoreTest, CreationThatFailsHalfWayLeavesNothingBehind)
{
    // The file is made under a name of this process; a folder in the way of
    // its journal makes the CREATE statements fail.
    const auto partial = [this](pid_t pid) {
        return Devuser() / (".Di Rizezoz Database." + std::to_string(pid) + ".partial");
    };
    const auto journal = partial(getpid()).string() + "-journal";
    std::filesystem::create_directories(journal + "/in the way");
    REALSQLDatabase::Ref db;
    EXPECT_FALSE(DiaryDB::Init(db));
    EXPECT_EQ(db, nullptr);
    EXPECT_FALSE(std::filesystem::exists(File()));
    EXPECT_FALSE(std::filesystem::exists(partial(getpid())));
    std::filesystem::remove_all(journal);

    // What a running start is making is left alone (the kill test shows what dead ones left goes).
    std::ofstream(partial(getppid())) << "being made";
    ASSERT_TRUE(DiaryDB::Init(db));
    EXPECT_EQ(Plain().Text("SELECT group_concat(name) FROM sqlite_master WHERE name NOT LIKE 'sqlite%'"),
              "daily,food");
    EXPECT_TRUE(std::filesystem::exists(partial(getppid())));
}

TEST_F(StoreTest, LockedFileFailsCleanlyAndChangesNothing)
{
    const auto day = Day(2026, 12, 6);
    ASSERT_NE(DiaryDB::GetDaily(day), nullptr);
    ASSERT_EQ(DiaryDB::AddFood(Food("egg", 78, day)), 1);
    const auto daily = Plain().Query("SELECT * FROM daily");
    const auto food = Plain().Query("SELECT * FROM food");

    // Another process is writing: every change fails, reads of what exists go on.
    PlainSQL other(File());
    other.Exec("BEGIN IMMEDIATE; UPDATE daily SET steps = 1");
    ExpectEveryChangeFails("write lock");
    EXPECT_EQ(mServices->beeps, 0);
    auto record = DiaryDB::GetDaily(day);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->CalorieTotal, 78);
    EXPECT_NE(DiaryDB::GetAllFood(), nullptr);
    EXPECT_NE(DiaryDB::GetMonthlyStats(Day(2026, 12, 9)), nullptr);
    other.Exec("ROLLBACK");
    EXPECT_EQ(Plain().Query("SELECT * FROM daily"), daily);
    EXPECT_EQ(Plain().Query("SELECT * FROM food"), food);

    // Another process holds the file exclusively: reads fail too.
    other.Exec("BEGIN EXCLUSIVE");
    ExpectEveryReadFails("exclusive lock");
    other.Exec("COMMIT");
    EXPECT_NE(DiaryDB::GetAllFood(), nullptr);
}
