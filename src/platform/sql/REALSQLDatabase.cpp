#include "platform/sql/REALSQLDatabase.h"

#include "platform/private/SQLText.h"
#include "platform/private/SQLiteStatement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

int32_t gBusyTimeout = 2000;

int Bind(sqlite3_stmt* statement, int index, const SQLValue& value)
{
    if (const auto* integer = std::get_if<int64_t>(&value))
        return sqlite3_bind_int64(statement, index, *integer);
    if (const auto* real = std::get_if<double>(&value))
        return sqlite3_bind_double(statement, index, *real);
    if (const auto* text = std::get_if<std::string>(&value))
        return sqlite3_bind_text64(statement, index, text->data(), text->size(), SQLITE_STATIC, SQLITE_UTF8);
    return sqlite3_bind_null(statement, index);
}

}  // namespace

std::string QuoteSQLName(std::string_view name)
{
    std::string quoted = "\"";
    for (char c : name) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

void REALSQLDatabase::ConnectionCloser::operator()(sqlite3* connection) const noexcept { sqlite3_close_v2(connection); }

void REALSQLDatabase::SetDefaultBusyTimeout(int32_t milliseconds) { gBusyTimeout = milliseconds; }
int32_t REALSQLDatabase::DefaultBusyTimeout() { return gBusyTimeout; }

bool REALSQLDatabase::Succeed()
{
    mErrorCode = 0;
    mErrorMessage.clear();
    return true;
}

bool REALSQLDatabase::Fail(int32_t code, std::string message)
{
    mErrorCode = code != 0 ? code : SQLITE_ERROR;
    mErrorMessage = std::move(message);
    return false;
}

bool REALSQLDatabase::FailFromConnection(int32_t code)
{
    return Fail(code, mConnection ? sqlite3_errmsg(mConnection.get()) : sqlite3_errstr(code));
}

bool REALSQLDatabase::RequireConnection()
{
    return mConnection ? Succeed() : Fail(SQLITE_MISUSE, "not connected");
}

bool REALSQLDatabase::Open(int flags)
{
    Close();
    if (!mFile)
        return Fail(SQLITE_MISUSE, "no database file");
    sqlite3* connection = nullptr;
    int code = sqlite3_open_v2(mFile->NativePath().c_str(), &connection, flags, nullptr);
    mConnection.reset(connection);
    if (code == SQLITE_OK) {
        sqlite3_extended_result_codes(connection, 1);
        sqlite3_busy_timeout(connection, gBusyTimeout);
        // Any file opens; reading the schema tells whether it is a database.
        code = sqlite3_exec(connection, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    }
    if (code != SQLITE_OK) {
        FailFromConnection(code);
        mConnection.reset();
        return false;
    }
    return Succeed();
}

// A connection serves one thread: no mutex around every call.
bool REALSQLDatabase::Connect() { return Open(SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX); }

bool REALSQLDatabase::ConnectReadOnly() { return Open(SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX); }

REALSQLDatabase::Failure REALSQLDatabase::ErrorKind() const
{
    if (mErrorCode == SQLITE_READONLY_ROLLBACK)
        return Failure::NeedsRecovery;
    switch (mErrorCode & 0xff) {
    case SQLITE_OK:
        return Failure::None;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Failure::Busy;
    case SQLITE_NOTADB:
        return Failure::NotADatabase;
    case SQLITE_CORRUPT:
        return Failure::Corrupt;
    case SQLITE_READONLY:
        return Failure::ReadOnly;
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return Failure::CannotOpen;
    default:
        return Failure::Other;
    }
}

bool REALSQLDatabase::CreateDatabaseFile()
{
    Close();
    if (!mFile)
        return Fail(SQLITE_MISUSE, "no database file");
    // O_EXCL: only a file made here is ever treated as new.
    const int descriptor = ::open(mFile->NativePath().c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return Fail(SQLITE_CANTOPEN, mFile->NativePath() + ": " + std::strerror(errno));
    ::close(descriptor);
    if (!Connect()) {
        mFile->Delete();
        return false;
    }
    return true;
}

void REALSQLDatabase::Close() { mConnection.reset(); }

bool REALSQLDatabase::SQLExecute(std::string_view sql)
{
    if (!RequireConnection())
        return false;
    const std::string text(sql);
    char* message = nullptr;
    const int code = sqlite3_exec(mConnection.get(), text.c_str(), nullptr, nullptr, &message);
    if (code != SQLITE_OK) {
        Fail(code, message ? message : sqlite3_errstr(code));
        sqlite3_free(message);
        return false;
    }
    return Succeed();
}

bool REALSQLDatabase::SQLExecute(std::string_view sql, const std::vector<SQLValue>& values)
{
    return Run(sql, values);
}

bool REALSQLDatabase::Prepare(std::string_view sql, const std::vector<SQLValue>& values, Statement& statement)
{
    sqlite3_stmt* raw = nullptr;
    int code = sqlite3_prepare_v2(mConnection.get(), sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    statement.reset(raw);
    if (code != SQLITE_OK)
        return FailFromConnection(code);
    if (!statement)
        return Fail(SQLITE_MISUSE, "no statement");
    // Every parameter gets a value: an unbound one would read as NULL unnoticed.
    if (static_cast<size_t>(sqlite3_bind_parameter_count(raw)) != values.size())
        return Fail(SQLITE_RANGE, "the statement takes " + std::to_string(sqlite3_bind_parameter_count(raw)) +
                                      " values, not " + std::to_string(values.size()));
    for (size_t i = 0; i < values.size(); ++i) {
        code = Bind(raw, static_cast<int>(i + 1), values[i]);
        if (code != SQLITE_OK)
            return FailFromConnection(code);
    }
    return Succeed();
}

bool REALSQLDatabase::Run(std::string_view sql, const std::vector<SQLValue>& values, int64_t* changes)
{
    if (!RequireConnection())
        return false;
    Statement statement;
    if (!Prepare(sql, values, statement))
        return false;
    int code;
    while ((code = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (code != SQLITE_DONE)
        return FailFromConnection(code);
    if (changes)
        *changes = sqlite3_changes64(mConnection.get());
    return Succeed();
}

RecordSet::Ref REALSQLDatabase::SQLSelect(std::string_view sql, const std::vector<SQLValue>& values)
{
    if (!RequireConnection())
        return nullptr;
    Statement statement;
    bool withRowId = false;
    if (const std::string rewritten = WithRowId(sql); !rewritten.empty())
        withRowId = Prepare(rewritten, values, statement);
    // Joins, views and the like have no one rowid: read them as they are.
    if (!withRowId && !Prepare(sql, values, statement))
        return nullptr;

    RecordSet::Ref set(new RecordSet());
    set->TakeSpareBuffers();
    const int first = withRowId ? 1 : 0;
    const int total = sqlite3_column_count(statement.get());
    set->mColumnCount = static_cast<size_t>(total - first);
    const char* table = withRowId ? sqlite3_column_table_name(statement.get(), 0) : nullptr;
    bool editable = table != nullptr;
    for (int column = first; column < total; ++column) {
        const char* name = sqlite3_column_name(statement.get(), column);
        const char* origin = sqlite3_column_origin_name(statement.get(), column);
        const char* from = sqlite3_column_table_name(statement.get(), column);
        // Every column must come straight from the table whose rowid was read.
        editable = editable && origin && from && std::strcmp(from, table) == 0;
        set->mNames.emplace_back(name ? name : "");
        set->mOrigins.emplace_back(origin ? origin : "");
    }
    if (editable)
        set->mTable = table;
    set->mChanged.assign(set->mColumnCount, false);

    int code;
    while ((code = sqlite3_step(statement.get())) == SQLITE_ROW) {
        if (withRowId)
            set->mRowIds.push_back(sqlite3_column_int64(statement.get(), 0));
        set->ReadRow(statement.get(), first);
    }
    if (code != SQLITE_DONE) {
        FailFromConnection(code);
        return nullptr;
    }
    set->mDatabase = std::static_pointer_cast<REALSQLDatabase>(shared_from_this());
    Succeed();
    return set;
}

bool REALSQLDatabase::InsertRecord(std::string_view table, const DatabaseRecord::Ref& record)
{
    if (!record)
        return Fail(SQLITE_MISUSE, "no record");
    std::string sql = "INSERT INTO " + QuoteSQLName(table);
    std::vector<SQLValue> values;
    if (record->Columns().empty()) {
        sql += " DEFAULT VALUES";
    } else {
        std::string names, places;
        for (const auto& [name, value] : record->Columns()) {
            names += (values.empty() ? "" : ", ") + QuoteSQLName(name);
            places += values.empty() ? "?" : ", ?";
            values.push_back(value);
        }
        sql += " (" + names + ") VALUES (" + places + ")";
    }
    return Run(sql, values);
}

int64_t REALSQLDatabase::LastRowID() const
{
    return mConnection ? sqlite3_last_insert_rowid(mConnection.get()) : 0;
}

bool REALSQLDatabase::BeginTransaction() { return SQLExecute("BEGIN IMMEDIATE"); }

bool REALSQLDatabase::Commit()
{
    if (!RequireConnection())
        return false;
    return sqlite3_get_autocommit(mConnection.get()) ? Succeed() : SQLExecute("COMMIT");
}

bool REALSQLDatabase::Rollback()
{
    if (!RequireConnection())
        return false;
    return sqlite3_get_autocommit(mConnection.get()) ? Succeed() : SQLExecute("ROLLBACK");
}

std::string REALSQLDatabase::ReadFileStart(int32_t size) const
{
    sqlite3_file* file = nullptr;
    if (!mConnection || size <= 0 ||
        sqlite3_file_control(mConnection.get(), "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        return "";
    std::string bytes(static_cast<size_t>(size), '\0');
    return file->pMethods->xRead(file, bytes.data(), size, 0) == SQLITE_OK ? bytes : "";
}

}  // namespace platform
