#include "platform/sql/RecordSet.h"

#include "platform/sql/REALSQLDatabase.h"
#include "platform/sql/SQLiteStatement.h"

#include <algorithm>

namespace platform {

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto lowerA = static_cast<unsigned char>(a[i] >= 'A' && a[i] <= 'Z' ? a[i] | 0x20 : a[i]);
        const auto lowerB = static_cast<unsigned char>(b[i] >= 'A' && b[i] <= 'Z' ? b[i] | 0x20 : b[i]);
        if (lowerA != lowerB)
            return false;
    }
    return true;
}

}  // namespace

void RecordSet::MoveNext()
{
    if (!IsEOF())
        ++mRow;
    mEditing = false;
    mMissingFieldSet = false;
    std::fill(mChanged.begin(), mChanged.end(), false);
}

DatabaseField RecordSet::Field(std::string_view name)
{
    auto self = std::static_pointer_cast<RecordSet>(shared_from_this());
    for (size_t column = 0; column < mColumnCount; ++column)
        if (SameNameIgnoringCase(mNames[column], name))
            return DatabaseField(std::move(self), static_cast<int>(column));
    return DatabaseField(std::move(self), -1);
}

const SQLValue& RecordSet::Cell(int column) const
{
    static const SQLValue kNull;
    if (column < 0 || IsEOF())
        return kNull;
    return mCells[mRow * mColumnCount + static_cast<size_t>(column)];
}

void RecordSet::SetCell(int column, SQLValue value)
{
    if (column < 0 || IsEOF()) {
        mMissingFieldSet = true;
        return;
    }
    mCells[mRow * mColumnCount + static_cast<size_t>(column)] = std::move(value);
    mChanged[static_cast<size_t>(column)] = true;
}

bool RecordSet::Fail(std::shared_ptr<REALSQLDatabase> database, std::string message)
{
    if (database)
        database->Fail(SQLITE_MISUSE, std::move(message));
    return false;
}

bool RecordSet::CheckWritable(const std::shared_ptr<REALSQLDatabase>& database)
{
    if (mTable.empty())
        return Fail(database, "the rows of this query cannot be edited");
    if (IsEOF())
        return Fail(database, "no current row");
    if (!database || !database->IsConnected())
        return Fail(database, "the connection is closed");
    return true;
}

bool RecordSet::Edit()
{
    auto database = mDatabase.lock();
    if (!CheckWritable(database))
        return false;
    mEditing = true;
    return database->Succeed();
}

bool RecordSet::Update()
{
    auto database = mDatabase.lock();
    const bool changed = mMissingFieldSet || std::find(mChanged.begin(), mChanged.end(), true) != mChanged.end();
    if (!changed)
        return database ? database->Succeed() : true;
    if (!mEditing)
        return Fail(database, "Update without Edit");
    if (mMissingFieldSet)
        return Fail(database, "a column that the query did not return was set");
    if (!CheckWritable(database))
        return false;

    std::string sql = "UPDATE " + QuoteSQLName(mTable) + " SET ";
    std::vector<SQLValue> values;
    for (size_t column = 0; column < mColumnCount; ++column) {
        if (!mChanged[column])
            continue;
        if (mOrigins[column].empty())
            return Fail(database, "a computed column cannot be written");
        sql += (values.empty() ? "" : ", ") + QuoteSQLName(mOrigins[column]) + " = ?";
        values.push_back(mCells[mRow * mColumnCount + column]);
    }
    sql += " WHERE rowid = ?";
    values.emplace_back(mRowIds[mRow]);
    int64_t changes = 0;
    if (!database->Run(sql, values, &changes))
        return false;
    if (changes != 1)
        return database->Fail(SQLITE_NOTFOUND, "the row no longer exists");
    mEditing = false;
    std::fill(mChanged.begin(), mChanged.end(), false);
    return true;
}

bool RecordSet::DeleteRecord()
{
    auto database = mDatabase.lock();
    if (!CheckWritable(database))
        return false;
    int64_t changes = 0;
    if (!database->Run("DELETE FROM " + QuoteSQLName(mTable) + " WHERE rowid = ?", {SQLValue(mRowIds[mRow])},
                       &changes))
        return false;
    if (changes != 1)
        return database->Fail(SQLITE_NOTFOUND, "the row no longer exists");
    const auto begin = mCells.begin() + static_cast<std::ptrdiff_t>(mRow * mColumnCount);
    mCells.erase(begin, begin + static_cast<std::ptrdiff_t>(mColumnCount));
    mRowIds.erase(mRowIds.begin() + static_cast<std::ptrdiff_t>(mRow));
    mEditing = false;
    mMissingFieldSet = false;
    std::fill(mChanged.begin(), mChanged.end(), false);
    return true;
}

}  // namespace platform
