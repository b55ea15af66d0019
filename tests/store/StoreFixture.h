#pragma once

// A diary in a throw-away "devuser" folder, driven through DiaryDB and
// checked with plain SQL on its file.
#include "platform/Files.h"
#include "platform/sql/PlainSQL.h"
#include "platform/sql/REALSQLDatabase.h"
#include "store/DiaryDB.h"
#include "support/RecordingServices.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class StoreTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(Devuser());
        platform::SetApplicationFolderForTesting(mApplicationFolder.Path().string());
        mPreviousServices = platform::SetServices(mServices);
        mPreviousTimeout = platform::REALSQLDatabase::DefaultBusyTimeout();
        platform::REALSQLDatabase::SetDefaultBusyTimeout(20);
    }
    void TearDown() override
    {
        platform::REALSQLDatabase::SetDefaultBusyTimeout(mPreviousTimeout);
        platform::SetServices(mPreviousServices);
        platform::SetApplicationFolderForTesting(std::nullopt);
    }

    std::filesystem::path Devuser() const { return mApplicationFolder.Path() / "devuser"; }
    std::filesystem::path File() const { return Devuser() / "Di Rizezoz Database"; }
    // A plain connection to the diary's file, made first when it is missing.
    PlainSQL& Plain()
    {
        if (!mPlain) {
            platform::REALSQLDatabase::Ref db;
            EXPECT_TRUE(DiaryDB::Init(db));
            mPlain = std::make_unique<PlainSQL>(File());
        }
        return *mPlain;
    }
    static platform::Date::Ref Day(int32_t year, int32_t month, int32_t day)
    {
        return platform::Date::Create(year, month, day);
    }
    static DPFoodRecord::Ref Food(const std::string& name, int32_t calories, const platform::Date::Ref& day)
    {
        auto item = DPFoodRecord::Create();
        item->CaloricItem = name;
        item->CalVal = calories;
        item->EatenDate = day;
        return item;
    }
    // calorie_total, cal_goal_reached (or steps, steps_goal_reached) of the day's row.
    Rows Calories(const std::string& dateText)
    {
        return Plain().Query("SELECT calorie_total, cal_goal_reached FROM daily WHERE entry_date = '" + dateText + "'");
    }
    Rows Steps(const std::string& dateText)
    {
        return Plain().Query("SELECT steps, steps_goal_reached FROM daily WHERE entry_date = '" + dateText + "'");
    }

    TemporaryFolder mApplicationFolder;
    std::shared_ptr<testsupport::RecordingServices> mServices =
        std::make_shared<testsupport::RecordingServices>();
    std::shared_ptr<platform::Services> mPreviousServices;
    int32_t mPreviousTimeout = 0;
    std::unique_ptr<PlainSQL> mPlain;
};
