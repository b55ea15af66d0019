#include "platform/sql/RecordSet.h"

#include "platform/sql/REALSQLDatabase.h"
#include "platform/private/SQLiteStatement.h"

#include <algorithm>
#include <bit>

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

namespace {

// Set once the thread's spare buffers are gone, so that a set released
// later at exit does not touch them.
thread_local bool gSpareGone = false;

}  // namespace

// The memory of a released set serves the next query: a refresh reads the
// same large tables again, and fresh memory costs a page fault every 4 KiB.
RecordSet::Buffers* RecordSet::Spare()
{
    struct Holder {
        Buffers buffers;
        ~Holder() { gSpareGone = true; }
    };
    if (gSpareGone)
        return nullptr;
    thread_local Holder holder;
    return &holder.buffers;
}

void RecordSet::TakeSpareBuffers()
{
    if (auto* spare = Spare()) {
        mCells.swap(spare->cells);
        mText.swap(spare->text);
        mRowIds.swap(spare->rowIds);
    }
    mCells.clear();
    mText.clear();
    mRowIds.clear();
}

RecordSet::~RecordSet()
{
    constexpr size_t kMostKept = size_t{64} << 20;
    auto* spare = Spare();
    if (!spare)
        return;
    auto keep = [](auto& mine, auto& kept, size_t unit) {
        if (mine.capacity() > kept.capacity() && mine.capacity() * unit <= kMostKept)
            mine.swap(kept);
    };
    keep(mCells, spare->cells, sizeof(Cell));
    keep(mText, spare->text, 1);
    keep(mRowIds, spare->rowIds, sizeof(int64_t));
}

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

void RecordSet::AppendText(Cell& cell, const void* bytes, int size)
{
    cell.kind = Cell::Kind::Text;
    cell.value = static_cast<int64_t>(mText.size());
    cell.size = bytes && size > 0 ? static_cast<uint32_t>(size) : 0;
    if (cell.size > 0)
        mText.append(static_cast<const char*>(bytes), cell.size);
}

void RecordSet::ReadRow(sqlite3_stmt* statement, int firstColumn)
{
    const int total = firstColumn + static_cast<int>(mColumnCount);
    for (int column = firstColumn; column < total; ++column) {
        Cell cell;
        switch (sqlite3_column_type(statement, column)) {
        case SQLITE_INTEGER:
            cell.kind = Cell::Kind::Integer;
            cell.value = sqlite3_column_int64(statement, column);
            break;
        case SQLITE_FLOAT:
            cell.kind = Cell::Kind::Real;
            cell.value = std::bit_cast<int64_t>(sqlite3_column_double(statement, column));
            break;
        case SQLITE_TEXT:
            AppendText(cell, sqlite3_column_text(statement, column), sqlite3_column_bytes(statement, column));
            break;
        case SQLITE_BLOB:
            AppendText(cell, sqlite3_column_blob(statement, column), sqlite3_column_bytes(statement, column));
            break;
        default:
            break;
        }
        mCells.push_back(cell);
    }
    ++mRowCount;
}

SQLValueView RecordSet::View(const Cell& cell) const
{
    switch (cell.kind) {
    case Cell::Kind::Integer:
        return cell.value;
    case Cell::Kind::Real:
        return std::bit_cast<double>(cell.value);
    case Cell::Kind::Text:
        return std::string_view(mText).substr(static_cast<size_t>(cell.value), cell.size);
    default:
        return std::monostate{};
    }
}

SQLValueView RecordSet::Value(int column) const
{
    if (column < 0 || IsEOF())
        return std::monostate{};
    return View(mCells[mRow * mColumnCount + static_cast<size_t>(column)]);
}

void RecordSet::SetCell(int column, const SQLValue& value)
{
    if (column < 0 || IsEOF()) {
        mMissingFieldSet = true;
        return;
    }
    Cell cell;
    if (const auto* integer = std::get_if<int64_t>(&value)) {
        cell.kind = Cell::Kind::Integer;
        cell.value = *integer;
    } else if (const auto* real = std::get_if<double>(&value)) {
        cell.kind = Cell::Kind::Real;
        cell.value = std::bit_cast<int64_t>(*real);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        AppendText(cell, text->data(), static_cast<int>(text->size()));
    }
    At(mRow, static_cast<size_t>(column)) = cell;
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
        return Fail(database, "a column that the query did not return, or a value it cannot hold, was set");
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
        std::visit([&values](const auto& part) {
            if constexpr (std::is_same_v<std::decay_t<decltype(part)>, std::string_view>)
                values.emplace_back(std::string(part));
            else
                values.emplace_back(part);
        }, View(At(mRow, column)));
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
    --mRowCount;
    mRowIds.erase(mRowIds.begin() + static_cast<std::ptrdiff_t>(mRow));
    mEditing = false;
    mMissingFieldSet = false;
    std::fill(mChanged.begin(), mChanged.end(), false);
    return true;
}

}  // namespace platform
