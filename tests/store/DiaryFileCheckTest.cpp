#include "store/DiaryFileCheck.h"
#include "store/DiaryFileStamp.h"
#include "store/StoreFixture.h"
#include "support/Files.h"

#include <fstream>
#include <functional>
#include <random>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>

namespace fs = std::filesystem;
using Problem = DiaryFileCheck::Problem;
using testsupport::FileBytes;

namespace {

void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Overwrites bytes in place, size and modification time kept, once the clock
// has left the tick of the file's last change, so that its change time moves.
void Overwrite(const fs::path& path, size_t at, const std::string& bytes)
{
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    for (timespec now{}; clock_gettime(CLOCK_REALTIME_COARSE, &now) == 0 &&
                         std::pair(now.tv_sec, now.tv_nsec) <= std::pair(before.st_ctim.tv_sec, before.st_ctim.tv_nsec);)
        std::this_thread::yield();
    std::fstream(path, std::ios::binary | std::ios::in | std::ios::out).seekp(static_cast<std::streamoff>(at)) << bytes;
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

}  // namespace

TEST_F(StoreTest, HostileFilesAreNamedAndLeftByteForByte)
{
    // A diary of a few pages, the source of the cut and broken copies.
    const std::string diary = [&] {
        Plain().Exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
                     "INSERT INTO food (caloric_item, cal_val, eaten_date) SELECT printf('%0100d', i), i, "
                     "'2026-12-06' FROM n");
        mPlain.reset();
        return FileBytes(File());
    }();
    ASSERT_GT(diary.size(), 4u * 4096);
    fs::remove(File());
    std::mt19937 random(17);
    std::string noise(5000, '\0');
    for (auto& byte : noise)
        byte = static_cast<char>(random());
    std::string broken = diary;
    for (size_t i = 4096; i < 2 * 4096; ++i)
        broken[i] = static_cast<char>(random());

    const std::vector<std::tuple<std::string, Problem, std::function<void()>>> cases{
        {"zero bytes", Problem::Empty, [&] { Write(File(), ""); }},
        {"cut inside the header", Problem::Truncated, [&] { Write(File(), diary.substr(0, 10)); }},
        {"cut inside a page", Problem::Truncated, [&] { Write(File(), diary.substr(0, 6000)); }},
        {"cut at a page", Problem::Truncated, [&] { Write(File(), diary.substr(0, 8192)); }},
        {"random bytes", Problem::NotADatabase, [&] { Write(File(), noise); }},
        {"a text", Problem::NotADatabase, [&] { Write(File(), "dear diary\n"); }},
        {"a broken page", Problem::Damaged, [&] { Write(File(), broken); }},
        {"another program's database", Problem::ForeignDatabase,
         [&] { PlainSQL(File()).Exec("CREATE TABLE notes (id integer primary key, body text)"); }},
        {"a column missing", Problem::MissingColumns,
         [&] {
             PlainSQL(File()).Exec("CREATE TABLE daily (id integer primary key, cal_goal_reached, cal_goal, "
                                   "calorie_total, entry_date, step_goal, steps_goal_reached);"
                                   "CREATE TABLE food (id integer primary key, caloric_item, cal_val, eaten_date)");
         }},
        {"a table missing", Problem::MissingColumns, [&] { PlainSQL(File()).Exec("CREATE TABLE food (id)"); }},
        {"read-only", Problem::ReadOnlyFile,
         [&] {
             Write(File(), diary);
             fs::permissions(File(), fs::perms::owner_read | fs::perms::group_read);
         }},
        {"in a read-only folder", Problem::ReadOnlyFolder,
         [&] {
             Write(File(), diary);
             fs::permissions(Devuser(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
         }},
        {"missing in a read-only folder", Problem::CannotCreate,
         [&] {
             fs::permissions(Devuser(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
         }},
        {"a folder", Problem::Folder, [&] { fs::create_directory(File()); }},
        {"a dangling link", Problem::DanglingLink, [&] { fs::create_symlink(Devuser() / "gone", File()); }},
    };
    for (const auto& [context, problem, make] : cases) {
        SCOPED_TRACE(context);
        make();
        const std::string before = FileBytes(File());
        const auto check = DiaryFileCheck::Of(DiaryDB::DatabaseFile());
        EXPECT_EQ(check.problem, problem) << check.Message();
        EXPECT_NE(check.Message().find("\"" + File().string() + "\""), std::string::npos) << check.Message();
        EXPECT_EQ(FileBytes(File()), before);
        EXPECT_EQ(fs::exists(File()) || fs::is_symlink(File()), problem != Problem::CannotCreate);
        EXPECT_FALSE(fs::exists(File().string() + "-journal"));
        EXPECT_FALSE(fs::exists(DiaryFileStamp::StampFile(File())));
        std::error_code ignored;
        fs::permissions(Devuser(), fs::perms::owner_all, ignored);
        fs::remove_all(File());
    }

    {
        SCOPED_TRACE("usable: missing, then a diary, then written by another program");
        EXPECT_TRUE(DiaryFileCheck::Of(DiaryDB::DatabaseFile()).Usable());
        Write(File(), diary);
        EXPECT_TRUE(DiaryFileCheck::Of(DiaryDB::DatabaseFile()).Usable());
        EXPECT_EQ(FileBytes(File()), diary);
        PlainSQL other(File());
        other.Exec("BEGIN IMMEDIATE; UPDATE food SET cal_val = 1");
        const auto check = DiaryFileCheck::Of(DiaryDB::DatabaseFile());
        EXPECT_EQ(check.problem, Problem::Locked) << check.Message();
        other.Exec("ROLLBACK");
        other.Exec("BEGIN EXCLUSIVE");
        EXPECT_EQ(DiaryFileCheck::Of(DiaryDB::DatabaseFile()).problem, Problem::Locked);
        other.Exec("ROLLBACK");
        EXPECT_EQ(FileBytes(File()), diary);
    }
}

TEST_F(StoreTest, OnlyAFileAsTheDiaryLeftItSkipsTheWalkOverItsPages)
{
    Plain().Exec("INSERT INTO food (caloric_item, cal_val, eaten_date) VALUES ('apple', 50, '2026-12-06')");
    const auto check = [] {
        const auto result = DiaryFileCheck::Of(DiaryDB::DatabaseFile());
        EXPECT_TRUE(result.Usable()) << result.Message();
        return result.deep;
    };
    const std::string stampFile = DiaryFileStamp::StampFile(File());
    ASSERT_EQ(stampFile.find(Devuser().string()), std::string::npos);
    {
        SCOPED_TRACE("a clean deep check stamps the file");
        EXPECT_TRUE(check());
        EXPECT_FALSE(check());
    }
    {
        SCOPED_TRACE("the store's own commits keep the stamp");
        EXPECT_GT(DiaryDB::AddFood(Food("pear", 60, Day(2026, 12, 6))), 0);
        EXPECT_TRUE(DiaryDB::Update_Food(1, 70));
        EXPECT_FALSE(check());
    }
    {
        SCOPED_TRACE("another program's write, even followed by the store's own");
        Plain().Exec("UPDATE food SET cal_val = 80 WHERE id = 1");
        EXPECT_GT(DiaryDB::AddFood(Food("plum", 30, Day(2026, 12, 6))), 0);
        EXPECT_TRUE(check());
        EXPECT_FALSE(check());
    }
    {
        SCOPED_TRACE("a stamp torn, garbled or longer than the one that replaces it");
        const std::string kept = FileBytes(stampFile);
        for (const auto& spoilt :
             {kept.substr(0, kept.size() - 2), std::string("garbage"), kept + "\n", kept + std::string(300, '9')}) {
            Write(stampFile, spoilt);
            EXPECT_TRUE(check());
            EXPECT_EQ(FileBytes(stampFile), kept);
            EXPECT_FALSE(check()) << "the stamp written over it matches at the next start";
        }
    }
    {
        SCOPED_TRACE("a page broken in place, its modification time put back");
        mPlain.reset();
        EXPECT_FALSE(check());
        Overwrite(File(), 4096, std::string(64, '\x7f'));
        const auto broken = DiaryFileCheck::Of(DiaryDB::DatabaseFile());
        EXPECT_EQ(broken.problem, Problem::Damaged) << broken.Message();
        EXPECT_TRUE(broken.deep);
        EXPECT_FALSE(fs::exists(stampFile));
    }
}
