#include "store/StoreFixture.h"

#include <limits>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kDay = "2026-12-06";

class FoodTest : public StoreTest {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ASSERT_NE(DiaryDB::GetDaily(mDay), nullptr);  // the day on view, goals 2000 and 10000
    }
    int32_t Add(const std::string& name, int32_t calories) { return DiaryDB::AddFood(Food(name, calories, mDay)); }

    platform::Date::Ref mDay = Day(2026, 12, 6);
};

}  // namespace

TEST_F(FoodTest, AddingItemsRaisesTheTotalUnderAStrictGoal)
{
    auto egg = Food("egg", 500, mDay);
    EXPECT_EQ(DiaryDB::AddFood(egg), 1);
    EXPECT_EQ(egg->id, 1);
    EXPECT_EQ(Plain().Query("SELECT id, caloric_item, cal_val, eaten_date FROM food"),
              (Rows{{"1", "egg", "500", kDay}}));
    EXPECT_EQ(Calories(kDay), (Rows{{"500", "1"}}));

    EXPECT_EQ(Add("pasta", 1499), 2);
    EXPECT_EQ(Calories(kDay), (Rows{{"1999", "1"}}));
    EXPECT_EQ(Add("mint", 1), 3);
    EXPECT_EQ(Calories(kDay), (Rows{{"2000", "0"}})) << "a total equal to the goal is not below it";
    EXPECT_EQ(Add("mint", 1), 4);
    EXPECT_EQ(Calories(kDay), (Rows{{"2001", "0"}}));
    EXPECT_EQ(Add("refund", -1001), 5) << "a negative amount lowers the total";
    EXPECT_EQ(Calories(kDay), (Rows{{"1000", "1"}}));
}

TEST_F(FoodTest, NamesAreBoundNotSplicedAndDigitsBecomeNumbers)
{
    ASSERT_EQ(Add("Bob's \"special\"; DROP TABLE food; --", 10), 1);
    ASSERT_EQ(Add("007", 20), 2);
    ASSERT_EQ(Add("7up", 30), 3);
    EXPECT_EQ(Plain().Query("SELECT caloric_item FROM food ORDER BY id"),
              (Rows{{"Bob's \"special\"; DROP TABLE food; --"}, {"7"}, {"7up"}}));
    auto rs = DiaryDB::GetAllFood();
    ASSERT_NE(rs, nullptr);
    rs->MoveNext();
    EXPECT_EQ(rs->Field("caloric_item").StringValue(), "7");
}

TEST_F(FoodTest, RemovingTakesTheCaloriesOffAndIdsAreNeverReused)
{
    ASSERT_EQ(Add("egg", 300), 1);
    ASSERT_EQ(Add("toast", 2000), 2);
    EXPECT_EQ(Calories(kDay), (Rows{{"2300", "0"}}));

    EXPECT_TRUE(DiaryDB::Remove_Food(2));
    EXPECT_EQ(Calories(kDay), (Rows{{"300", "1"}}));
    EXPECT_EQ(Add("tea", 0), 3) << "the largest id is not given again";
    EXPECT_TRUE(DiaryDB::Remove_Food(1));
    EXPECT_TRUE(DiaryDB::Remove_Food(3));
    EXPECT_EQ(Calories(kDay), (Rows{{"0", "1"}})) << "an empty day is below its goal";
    EXPECT_EQ(Plain().Count("food"), 0);

    EXPECT_FALSE(DiaryDB::Remove_Food(1)) << "already removed";
    EXPECT_FALSE(DiaryDB::Remove_Food(0));
    EXPECT_FALSE(DiaryDB::Remove_Food(-5));
    EXPECT_EQ(mServices->beeps, 0) << "a missing item is no reason to beep";
    EXPECT_EQ(Calories(kDay), (Rows{{"0", "1"}}));
}

TEST_F(FoodTest, RemovingWorksWhileOtherConnectionsHoldTheirRows)
{
    ASSERT_EQ(Add("egg", 300), 1);
    ASSERT_EQ(Add("toast", 200), 2);
    // The caller walks the food list while it deletes; another connection
    // sits on the day's row, ready to edit it.
    auto list = DiaryDB::GetAllFood();
    platform::REALSQLDatabase::Ref outer;
    ASSERT_TRUE(DiaryDB::Init(outer));
    auto held = outer->SQLSelect("SELECT * FROM daily WHERE entry_date = '" + kDay + "'");
    ASSERT_TRUE(held->Edit());

    for (; !list->IsEOF(); list->MoveNext())
        EXPECT_TRUE(DiaryDB::Remove_Food(list->Field("id").IntegerValue()));
    EXPECT_EQ(Plain().Count("food"), 0);
    EXPECT_EQ(Calories(kDay), (Rows{{"0", "1"}}));

    held->Field("steps").SetIntegerValue(40);
    EXPECT_TRUE(held->Update()) << outer->ErrorMessage();
    EXPECT_EQ(Steps(kDay), (Rows{{"40", "0"}}));
    EXPECT_EQ(Calories(kDay), (Rows{{"0", "1"}})) << "only the changed column is written back";
}

TEST_F(FoodTest, EditsOfNameAndCalories)
{
    ASSERT_EQ(Add("egg", 300), 1);
    ASSERT_EQ(Add("cake", 900), 2);
    EXPECT_TRUE(DiaryDB::Update_Food(1, std::string("boiled egg")));
    EXPECT_EQ(Calories(kDay), (Rows{{"1200", "1"}})) << "a rename leaves the total alone";
    EXPECT_FALSE(DiaryDB::Update_Food(3, std::string("ghost")));

    EXPECT_TRUE(DiaryDB::Update_Food(2, 1800));
    EXPECT_EQ(Plain().Query("SELECT caloric_item, cal_val FROM food ORDER BY id"),
              (Rows{{"boiled egg", "300"}, {"cake", "1800"}}));
    EXPECT_EQ(Calories(kDay), (Rows{{"2100", "0"}}));

    // A raised goal leaves the flag stale; the same calories again add nothing
    // but recompute it against the goal of now.
    ASSERT_TRUE(DiaryDB::Update_Goal_Food(mDay, 3000));
    EXPECT_FALSE(DiaryDB::GetDaily(mDay)->CalGoalReached);
    EXPECT_TRUE(DiaryDB::Update_Food(2, 1800));
    EXPECT_EQ(Calories(kDay), (Rows{{"2100", "1"}}));
    EXPECT_TRUE(DiaryDB::Update_Food(2, 100));
    EXPECT_EQ(Calories(kDay), (Rows{{"400", "1"}}));

    EXPECT_FALSE(DiaryDB::Update_Food(3, 50));
    EXPECT_EQ(Calories(kDay), (Rows{{"400", "1"}}));
}

TEST_F(StoreTest, ItemsAndTotalsStayInStepWhenTheTotalCannotChange)
{
    // The diary has its items but lost its table of days.
    Plain().Exec("DROP TABLE daily; INSERT INTO food (caloric_item, cal_val, eaten_date) "
                 "VALUES ('cake', 450, '2026-12-06')");
    const auto food = Plain().Query("SELECT * FROM food");

    auto toast = Food("toast", 120, Day(2026, 12, 6));
    EXPECT_EQ(DiaryDB::AddFood(toast), -1);
    EXPECT_EQ(toast->id, 0);
    EXPECT_FALSE(DiaryDB::Update_Food(1, 500));
    EXPECT_EQ(mServices->beeps, 0);
    EXPECT_FALSE(DiaryDB::Remove_Food(1));
    EXPECT_EQ(mServices->beeps, 1) << "the total could not be lowered";

    EXPECT_EQ(Plain().Query("SELECT * FROM food"), food);
    EXPECT_TRUE(DiaryDB::Update_Food(1, std::string("cheesecake"))) << "a rename needs no total";
}

TEST_F(FoodTest, IdsBeyondInt32AreRefusedWithNothingWritten)
{
    const auto daily = Plain().Query("SELECT * FROM daily");
    auto nextId = [this](const char* table, int64_t id) {
        Plain().Exec(std::string("DELETE FROM sqlite_sequence WHERE name = '") + table +
                     "'; INSERT INTO sqlite_sequence VALUES ('" + table + "', " + std::to_string(id - 1) + ")");
    };
    for (const int64_t id : {int64_t{2147483648}, int64_t{4294967295}, int64_t{4294967297}}) {
        SCOPED_TRACE(id);
        nextId("food", id);
        EXPECT_EQ(Add("egg", 78), -1);
        EXPECT_EQ(Plain().Count("food"), 0);
        EXPECT_EQ(Plain().Query("SELECT * FROM daily"), daily) << "the total was not raised";
    }
    nextId("food", 2147483647);
    EXPECT_TRUE(DiaryDB::Remove_Food(Add("egg", 78)));
    nextId("daily", 2147483648);
    EXPECT_EQ(DiaryDB::GetDaily(Day(2026, 12, 7)), nullptr);
    EXPECT_EQ(Plain().Count("daily"), 1);
}

TEST_F(FoodTest, ChangesThatWouldTakeADayOutsideInt32FailAndStoreNothing)
{
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
    const auto unchanged = [&](const std::string& context, const Rows& food, const Rows& calories, const Rows& steps) {
        SCOPED_TRACE(context);
        EXPECT_EQ(Plain().Query("SELECT id, cal_val FROM food ORDER BY id"), food);
        EXPECT_EQ(Calories(kDay), calories);
        EXPECT_EQ(Steps(kDay), steps);
    };
    ASSERT_EQ(Add("feast", kMax), 1);
    EXPECT_EQ(Add("crumb", 1), -1);
    unchanged("adding past the top", {{"1", "2147483647"}}, {{"2147483647", "0"}}, {{"0", "0"}});
    ASSERT_EQ(Add("debt", -5), 2);
    EXPECT_FALSE(DiaryDB::Update_Food(2, 1)) << "a difference of 6 takes the total past the top";
    unchanged("editing past the top", {{"1", "2147483647"}, {"2", "-5"}}, {{"2147483642", "0"}}, {{"0", "0"}});
    ASSERT_EQ(Add("snack", 5), 3);
    EXPECT_FALSE(DiaryDB::Remove_Food(2)) << "taking -5 off the total is adding 5";
    EXPECT_EQ(mServices->beeps, 1);
    unchanged("removing past the top", {{"1", "2147483647"}, {"2", "-5"}, {"3", "5"}}, {{"2147483647", "0"}},
              {{"0", "0"}});

    ASSERT_TRUE(DiaryDB::Remove_Food(1) && DiaryDB::Remove_Food(2) && DiaryDB::Remove_Food(3));
    ASSERT_EQ(Add("minimum", kMin), 4);
    EXPECT_TRUE(DiaryDB::Update_Food(4, kMax)) << "a difference beyond Int32 with a total that fits";
    EXPECT_EQ(Calories(kDay), (Rows{{"2147483647", "0"}}));
    ASSERT_TRUE(DiaryDB::Update_Food(4, kMin + 1));
    EXPECT_FALSE(DiaryDB::AddTo_Calorie_Total(mDay, -2));
    EXPECT_EQ(Calories(kDay), (Rows{{"-2147483647", "1"}}));

    ASSERT_TRUE(DiaryDB::AddTo_Steps(mDay, kMax));
    EXPECT_FALSE(DiaryDB::AddTo_Steps(mDay, 1));
    EXPECT_EQ(Steps(kDay), (Rows{{"2147483647", "1"}}));
    ASSERT_TRUE(DiaryDB::AddTo_Steps(mDay, kMin));
    EXPECT_FALSE(DiaryDB::AddTo_Steps(mDay, kMin));
    EXPECT_EQ(Steps(kDay), (Rows{{"-1", "0"}}));
}

TEST_F(FoodTest, TwoProcessesWritingOneDiaryLoseNoUpdate)
{
    platform::REALSQLDatabase::SetDefaultBusyTimeout(2000);
    constexpr int kRounds = 60;
    // Each process adds steps and items to the same day; it reports how many
    // succeeded. One that waited too long may fail, but must store nothing.
    const auto work = [&] {
        int stored = 0;
        for (int i = 0; i < kRounds; ++i) {
            stored += DiaryDB::AddTo_Steps(mDay, 1) ? 1 : 0;
            stored += DiaryDB::AddFood(Food("bite", 1, mDay)) > 0 ? 1000 : 0;
        }
        return stored;
    };
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const pid_t child = fork();
    if (child == 0) {
        const int stored = work();
        _exit(write(ends[1], &stored, sizeof stored) == sizeof stored ? 0 : 1);
    }
    const int mine = work();
    int theirs = 0;
    ASSERT_EQ(read(ends[0], &theirs, sizeof theirs), static_cast<ssize_t>(sizeof theirs));
    waitpid(child, nullptr, 0);
    close(ends[0]);
    close(ends[1]);
    const int stored = mine + theirs;
    EXPECT_GT(stored, kRounds * 1001) << "a busy diary mostly waits rather than fails";
    EXPECT_EQ(Steps(kDay), (Rows{{std::to_string(stored % 1000), "0"}}));
    EXPECT_EQ(Plain().Query("SELECT count(*), sum(cal_val) FROM food"),
              (Rows{{std::to_string(stored / 1000), std::to_string(stored / 1000)}}));
    EXPECT_EQ(Calories(kDay), (Rows{{std::to_string(stored / 1000), "1"}}));
    EXPECT_EQ(Plain().Query("SELECT count(*) FROM daily"), (Rows{{"1"}}));
}
