#pragma once

#include "platform/Files.h"
#include "platform/Object.h"
#include "platform/sql/DatabaseRecord.h"
#include "platform/sql/RecordSet.h"
#include "platform/sql/SQLValue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

struct StatementFinalizer;

// A connection to one SQLite file.
//
// Transactions: every statement commits on its own (autocommit), so a change
// is in the file when the call that made it returns. BeginTransaction opens an
// explicit transaction, taking the write lock at once, and Commit ends it;
// a connection closed or dropped with one open rolls it back. Commit with
// nothing pending succeeds.
//
// Errors: each call first clears the error; a failure sets Error, and the
// calls that can fail also return false (or nullptr). Nothing throws.
class REALSQLDatabase : public Object {
public:
    using Ref = std::shared_ptr<REALSQLDatabase>;
    static Ref Create() { return Ref(new REALSQLDatabase()); }

    // The file that the next Connect or CreateDatabaseFile opens.
    void SetDatabaseFile(FolderItem::Ref file) { mFile = std::move(file); }
    const FolderItem::Ref& DatabaseFile() const { return mFile; }

    // Opens the existing file; refuses one that is not an SQLite database.
    bool Connect();
    // Opens the existing file for reading only: nothing can change it, and a
    // file left by a crashed write fails with NeedsRecovery.
    bool ConnectReadOnly();
    // Makes a new, empty database file (never an existing one) and opens it.
    bool CreateDatabaseFile();
    void Close();
    bool IsConnected() const { return mConnection != nullptr; }

    // A statement (or several) that returns no rows.
    bool SQLExecute(std::string_view sql);
    // One statement whose parameters ("?") take the values in order; the
    // number of values must match.
    bool SQLExecute(std::string_view sql, const std::vector<SQLValue>& values);
    // Runs a query, its parameters bound as above, and reads all its rows;
    // nullptr when it fails.
    RecordSet::Ref SQLSelect(std::string_view sql, const std::vector<SQLValue>& values = {});
    // Inserts one row holding the record's columns; the others are NULL.
    bool InsertRecord(std::string_view table, const DatabaseRecord::Ref& record);
    // The id of the last row inserted on this connection; 0 when none was.
    // Whole: a caller that keeps ids in 32 bits checks that it fits.
    int64_t LastRowID() const;

    bool BeginTransaction();
    bool Commit();
    bool Rollback();

    // The file's first `size` bytes as they are on disk, "" when they cannot
    // be read. Read through the connection's own handle: a handle opened on
    // the file and closed again would drop every lock this process holds on it.
    std::string ReadFileStart(int32_t size) const;

    bool Error() const { return mErrorCode != 0; }
    int32_t ErrorCode() const { return mErrorCode; }
    const std::string& ErrorMessage() const { return mErrorMessage; }
    // What the last failure was, for a message that says what is wrong.
    enum class Failure { None, Busy, NotADatabase, Corrupt, ReadOnly, NeedsRecovery, CannotOpen, Other };
    Failure ErrorKind() const;

    // How long a call waits for another connection's lock before it fails.
    static void SetDefaultBusyTimeout(int32_t milliseconds);
    static int32_t DefaultBusyTimeout();

private:
    friend class RecordSet;
    struct ConnectionCloser {
        void operator()(sqlite3* connection) const noexcept;
    };

    REALSQLDatabase() = default;
    bool Open(int flags);
    bool Succeed();
    bool Fail(int32_t code, std::string message);
    bool FailFromConnection(int32_t code);
    bool RequireConnection();
    bool Prepare(std::string_view sql, const std::vector<SQLValue>& values,
                 std::unique_ptr<sqlite3_stmt, StatementFinalizer>& statement);
    // Runs one statement with its parameters bound; `changes` receives the rows it changed.
    bool Run(std::string_view sql, const std::vector<SQLValue>& values, int64_t* changes = nullptr);

    std::unique_ptr<sqlite3, ConnectionCloser> mConnection;
    FolderItem::Ref mFile;
    int32_t mErrorCode = 0;
    std::string mErrorMessage;
};

}  // namespace platform
