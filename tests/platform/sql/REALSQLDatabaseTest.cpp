#include "platform/sql/REALSQLDatabase.h"

#include "platform/sql/PlainSQL.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using platform::DatabaseRecord;
using platform::FolderItem;
using platform::REALSQLDatabase;

namespace {

class REALSQLDatabaseTest : public testing::Test {
protected:
    REALSQLDatabase::Ref Database(const std::filesystem::path& file)
    {
        auto db = REALSQLDatabase::Create();
        db->SetDatabaseFile(FolderItem::Create(file.string()));
        return db;
    }
    // A new file holding the table t.
    REALSQLDatabase::Ref CreateWithTable()
    {
        auto db = Database(mFile);
        EXPECT_TRUE(db->CreateDatabaseFile()) << db->ErrorMessage();
        EXPECT_TRUE(db->SQLExecute("CREATE TABLE t (id integer primary key autoincrement, name string, "
                                   "n integer, flag Boolean, day date)"));
        return db;
    }
    static DatabaseRecord::Ref Row(const std::string& name, int32_t n)
    {
        auto record = DatabaseRecord::Create();
        record->Column("name", name);
        record->IntegerColumn("n", n);
        return record;
    }

    TemporaryFolder mFolder;
    std::filesystem::path mFile = mFolder.Path() / "data base";
};

TEST_F(REALSQLDatabaseTest, ConnectOpensOnlyAnExistingDatabaseAndCreateOnlyANewFile)
{
    auto missing = Database(mFile);
    EXPECT_FALSE(missing->Connect());
    EXPECT_TRUE(missing->Error());
    EXPECT_FALSE(missing->IsConnected());
    EXPECT_FALSE(std::filesystem::exists(mFile)) << "Connect must not create the file";

    ASSERT_TRUE(Database(mFile)->CreateDatabaseFile());
    EXPECT_FALSE(Database(mFile)->CreateDatabaseFile()) << "an existing file is never made anew";
    EXPECT_TRUE(Database(mFile)->Connect()) << "an empty file is an empty database";
    EXPECT_FALSE(Database(mFolder.Path())->Connect()) << "a folder is not a database";
    EXPECT_FALSE(Database(mFolder.Path() / "no such folder" / "file")->CreateDatabaseFile());

    auto nothing = REALSQLDatabase::Create();
    EXPECT_FALSE(nothing->Connect());
    EXPECT_FALSE(nothing->SQLExecute("SELECT 1"));
    EXPECT_EQ(nothing->SQLSelect("SELECT 1"), nullptr);
    EXPECT_FALSE(nothing->Commit());
    EXPECT_TRUE(nothing->Error());
}

TEST_F(REALSQLDatabaseTest, InsertRecordWritesItsColumnsAtOnceAndLeavesTheRestNull)
{
    auto db = CreateWithTable();
    EXPECT_EQ(db->LastRowID(), 0);
    auto record = Row("apple", 95);
    record->BooleanColumn("flag", true);
    record->Column("day", "2026-12-06");
    ASSERT_TRUE(db->InsertRecord("t", record)) << db->ErrorMessage();
    ASSERT_TRUE(db->InsertRecord("t", Row("pear", 60)));
    EXPECT_EQ(db->LastRowID(), 2);

    // Seen by another connection without any Commit: the insert is in the file.
    PlainSQL plain(mFile);
    EXPECT_EQ(plain.Query("SELECT id, name, n, flag, day FROM t ORDER BY id"),
              (Rows{{"1", "apple", "95", "1", "2026-12-06"}, {"2", "pear", "60", PlainSQL::kNull, PlainSQL::kNull}}));

    EXPECT_FALSE(db->InsertRecord("missing", Row("fig", 1)));
    EXPECT_NE(db->ErrorMessage().find("missing"), std::string::npos) << db->ErrorMessage();
    EXPECT_FALSE(db->InsertRecord("t", nullptr));
    EXPECT_EQ(plain.Count("t"), 2);

    EXPECT_FALSE(db->SQLExecute("CREATE TABLE"));
    EXPECT_TRUE(db->Error());
    EXPECT_TRUE(db->SQLExecute("CREATE TABLE u (x); INSERT INTO u VALUES (1); INSERT INTO u VALUES (2)"));
    EXPECT_FALSE(db->Error()) << "a success clears the last error";
    EXPECT_EQ(plain.Count("u"), 2);
}

TEST_F(REALSQLDatabaseTest, TransactionIsInTheFileOnlyOnceCommitted)
{
    auto db = CreateWithTable();
    PlainSQL plain(mFile);
    EXPECT_TRUE(db->Commit()) << "nothing pending is no failure";
    EXPECT_TRUE(db->Rollback());

    ASSERT_TRUE(db->BeginTransaction());
    ASSERT_TRUE(db->InsertRecord("t", Row("kept", 1)));
    EXPECT_EQ(plain.Count("t"), 0);
    ASSERT_TRUE(db->Commit());
    EXPECT_EQ(plain.Count("t"), 1);

    ASSERT_TRUE(db->BeginTransaction());
    ASSERT_TRUE(db->InsertRecord("t", Row("undone", 2)));
    ASSERT_TRUE(db->Rollback());
    ASSERT_TRUE(db->BeginTransaction());
    ASSERT_TRUE(db->InsertRecord("t", Row("dropped", 3)));
    db.reset();  // dropped with its transaction open
    EXPECT_EQ(plain.Query("SELECT name FROM t"), (Rows{{"kept"}}));
}

TEST_F(REALSQLDatabaseTest, CommitThatAReaderBlocksWaitsTheBusyTimeout)
{
    const auto timeout = REALSQLDatabase::DefaultBusyTimeout();
    REALSQLDatabase::SetDefaultBusyTimeout(200);
    auto db = CreateWithTable();
    PlainSQL other(mFile);
    for (const int readerEnds : {600, 60}) {
        SCOPED_TRACE(readerEnds);
        ASSERT_TRUE(db->BeginTransaction());
        ASSERT_TRUE(db->InsertRecord("t", Row("pending", 3)));
        other.Exec("BEGIN; SELECT count(*) FROM t");
        std::thread reader([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(readerEnds));
            other.Exec("COMMIT");
        });
        const auto start = std::chrono::steady_clock::now();
        const bool committed = db->Commit();
        const auto waited = std::chrono::steady_clock::now() - start;
        reader.join();
        EXPECT_EQ(committed ? SQLITE_OK : db->ErrorCode() & 0xFF, readerEnds < 200 ? SQLITE_OK : SQLITE_BUSY);
        EXPECT_GE(waited, std::chrono::milliseconds(std::min(readerEnds - 20, 160)));
        EXPECT_LT(waited, std::chrono::milliseconds(550));
        EXPECT_TRUE(db->Rollback()) << "nothing is left pending";
    }
    EXPECT_EQ(other.Count("t"), 1);
    REALSQLDatabase::SetDefaultBusyTimeout(timeout);
}

}  // namespace
