#include "platform/sql/REALSQLDatabase.h"

#include "platform/sql/PlainSQL.h"

#include <gtest/gtest.h>

#include <tuple>

using platform::FolderItem;
using platform::REALSQLDatabase;

namespace {

class RecordSetTest : public testing::Test {
protected:
    void SetUp() override
    {
        mPlain.Exec("CREATE TABLE t (id integer primary key autoincrement, name string, n integer, flag Boolean, "
                    "day date);"
                    "INSERT INTO t (name, n, flag, day) VALUES ('apple', 95, 1, '2026-12-06');"
                    "INSERT INTO t (name, n, flag, day) VALUES ('pear', 60, 0, '2026-12-07 08:30:00');"
                    "INSERT INTO t (name, n) VALUES ('fig', 40);"
                    "CREATE TABLE u (t_id integer, note text);"
                    "INSERT INTO u VALUES (1, 'crisp');"
                    "CREATE TABLE w (t_id integer primary key, note text) WITHOUT ROWID;"
                    "INSERT INTO w VALUES (2, 'ripe')");
        mDb = REALSQLDatabase::Create();
        mDb->SetDatabaseFile(FolderItem::Create(mFile.string()));
        ASSERT_TRUE(mDb->Connect()) << mDb->ErrorMessage();
    }

    TemporaryFolder mFolder;
    std::filesystem::path mFile = mFolder.Path() / "rows";
    PlainSQL mPlain{mFile};
    REALSQLDatabase::Ref mDb;
};

TEST_F(RecordSetTest, ReadsEveryRowAndOutlivesItsConnection)
{
    auto rs = mDb->SQLSelect("SELECT * FROM t ORDER BY id");
    ASSERT_NE(rs, nullptr);
    mDb.reset();

    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field("id").IntegerValue(), 1);
    EXPECT_EQ(rs->Field("NAME").StringValue(), "apple") << "column names in any case";
    EXPECT_TRUE(rs->Field("flag").BooleanValue());
    EXPECT_EQ(rs->Field("day").DateValue()->SQLDateTime(), "2026-12-06 00:00:00");

    rs->MoveNext();
    EXPECT_FALSE(rs->Field("flag").BooleanValue());
    EXPECT_EQ(rs->Field("day").DateValue()->SQLDateTime(), "2026-12-07 08:30:00");

    rs->MoveNext();
    EXPECT_EQ(rs->Field("name").IntegerValue(), 0) << "text that is no number";
    EXPECT_FALSE(rs->Field("flag").BooleanValue()) << "NULL flag";
    EXPECT_EQ(rs->Field("day").DateValue(), nullptr) << "NULL date";
    EXPECT_EQ(rs->Field("day").StringValue(), "");
    EXPECT_FALSE(rs->Field("nonesuch").Exists());

    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());
    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_EQ(rs->Field("id").IntegerValue(), 0) << "no current row reads as NULL";
}

TEST_F(RecordSetTest, EmptyFailedAndReadOnlyQueries)
{
    auto none = mDb->SQLSelect("SELECT * FROM t WHERE id = 99");
    ASSERT_NE(none, nullptr);
    EXPECT_TRUE(none->IsEOF());
    EXPECT_FALSE(mDb->Error());

    for (const char* sql : {"SELECT * FROM nonesuch", "SELEKT 1", ""}) {
        EXPECT_EQ(mDb->SQLSelect(sql), nullptr) << sql;
        EXPECT_TRUE(mDb->Error()) << sql;
    }

    // Only the rows of one table can be edited; reading the rowids for edits never changes the rows.
    for (const auto& [sql, rows, editable] : std::vector<std::tuple<const char*, size_t, bool>>{
             {"SELECT name FROM t WHERE name <> 'x order by 1' /* group by */ ORDER BY n", 3, true},
             {"SELECT count(*) AS c FROM t", 1, false},
             {"SELECT t.name, u.note FROM t JOIN u ON u.t_id = t.id", 1, false},
             // A table without rowids leaves the rowid to the other: that table's column stays read-only.
             {"SELECT t.name, w.note FROM t JOIN w ON w.t_id = t.id", 1, false},
             {"SELECT name FROM t UNION SELECT note FROM u", 4, false},
             {"  select 1 + 1 AS two", 1, false},
             {"SELECT name, n * 2 AS twice FROM t", 3, false},
             {"SELECT DISTINCT n > 50 AS big FROM t", 2, false},
             {"SELECT name FROM t GROUP BY name", 3, false},
             {"SELECT name, (SELECT note FROM u WHERE u.t_id = t.id) AS note FROM t", 3, false},
             {"SELECT name, (SELECT o.name FROM t AS o WHERE o.id = 1) AS first FROM t", 3, false}}) {
        SCOPED_TRACE(sql);
        auto rs = mDb->SQLSelect(sql);
        ASSERT_NE(rs, nullptr) << mDb->ErrorMessage();
        EXPECT_EQ(rs->Edit(), editable);
        EXPECT_EQ(mDb->Error(), !editable);
        size_t count = 0;
        for (; !rs->IsEOF(); rs->MoveNext())
            ++count;
        EXPECT_EQ(count, rows);
    }
    EXPECT_EQ(mDb->SQLSelect("SELECT count(*) AS c FROM t")->Field("c").IntegerValue(), 3);
    EXPECT_TRUE(mDb->SQLSelect("SELECT '1' AS flag")->Field("flag").BooleanValue()) << "a flag read from text";
    EXPECT_EQ(mDb->SQLSelect("SELECT name FROM t WHERE id = ? AND n > ?", {int64_t{1}}), nullptr) << "a value short";

    // A column named by its position keeps its place: the rowid read for edits does not shift it.
    auto rs = mDb->SQLSelect("SELECT name, n FROM t ORDER BY 2 LIMIT 1");
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(rs->Field("name").StringValue(), "fig");
    rs = mDb->SQLSelect("SELECT name, n FROM t ORDER BY day IS NULL, 2");
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(rs->Field("name").StringValue(), "pear");
}

TEST_F(RecordSetTest, EditsAndDeletionsFindTheirRowByRowid)
{
    // The query selects neither id nor rowid; the edit still finds its row.
    auto rs = mDb->SQLSelect("select name, n from t where n < 90 ORDER BY n");
    ASSERT_NE(rs, nullptr);
    EXPECT_EQ(rs->Field("name").StringValue(), "fig");
    ASSERT_TRUE(rs->Edit());
    rs->Field("n").SetIntegerValue(41);
    rs->Field("name").SetStringValue("dried fig");
    ASSERT_TRUE(rs->Update()) << mDb->ErrorMessage();
    EXPECT_EQ(mPlain.Query("SELECT name, n FROM t WHERE id = 3"), (Rows{{"dried fig", "41"}}));
    EXPECT_EQ(rs->Field("n").IntegerValue(), 41);

    rs->MoveNext();
    ASSERT_TRUE(rs->DeleteRecord()) << mDb->ErrorMessage();
    EXPECT_TRUE(rs->Update()) << "nothing left to write";
    EXPECT_TRUE(rs->IsEOF()) << "deleting moves past the row";
    EXPECT_EQ(mPlain.Query("SELECT id FROM t ORDER BY id"), (Rows{{"1"}, {"3"}}));
    EXPECT_FALSE(rs->DeleteRecord()) << "no current row";

    auto flags = mDb->SQLSelect("SELECT flag, day FROM t WHERE id = 1");
    ASSERT_TRUE(flags->Edit());
    flags->Field("flag").SetBooleanValue(false);
    flags->Field("day").SetDateValue(platform::Date::Create(2027, 1, 2, 13, 0, 0));
    ASSERT_TRUE(flags->Update());
    EXPECT_EQ(mPlain.Query("SELECT flag, day FROM t WHERE id = 1"), (Rows{{"0", "2027-01-02"}}));
}

TEST_F(RecordSetTest, EditsThatCannotBeWrittenFailAndWriteNothing)
{
    const auto before = mPlain.Query("SELECT * FROM t ORDER BY id");

    auto unedited = mDb->SQLSelect("SELECT name FROM t WHERE id = 1");
    unedited->Field("name").SetStringValue("changed without Edit");
    EXPECT_FALSE(unedited->Update());
    EXPECT_TRUE(mDb->Error());

    auto misspelt = mDb->SQLSelect("SELECT name, n FROM t WHERE id = 1");
    ASSERT_TRUE(misspelt->Edit());
    misspelt->Field("name").SetStringValue("typo");
    misspelt->Field("nn").SetIntegerValue(5);
    EXPECT_FALSE(misspelt->Update()) << "a column the query did not return";

    auto orphan = mDb->SQLSelect("SELECT name FROM t WHERE id = 1");
    auto gone = mDb->SQLSelect("SELECT name FROM t WHERE id = 2");
    ASSERT_TRUE(gone->Edit());
    mPlain.Exec("DELETE FROM t WHERE id = 2");
    gone->Field("name").SetStringValue("ghost");
    EXPECT_FALSE(gone->Update()) << "the row was deleted by another connection";
    EXPECT_FALSE(gone->DeleteRecord());
    EXPECT_EQ(mPlain.Count("t"), 2) << "nothing was inserted in its place";

    mDb.reset();
    EXPECT_FALSE(orphan->Edit()) << "its connection is gone";
    EXPECT_FALSE(orphan->DeleteRecord());
    EXPECT_EQ(mPlain.Query("SELECT * FROM t WHERE id <> 2 ORDER BY id"), (Rows{before[0], before[2]}));
}

}  // namespace
