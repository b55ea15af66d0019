#pragma once

#include "platform/Object.h"
#include "platform/sql/DatabaseField.h"
#include "platform/sql/SQLValue.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;

namespace platform {

class REALSQLDatabase;

// The rows of one query, read into memory when the query ran: a record set
// stays readable after its connection is gone and holds no lock on the file.
// A query over one table also reads each row's rowid, so the current row can
// be edited and deleted through the connection while that is still open.
class RecordSet : public Object {
public:
    using Ref = std::shared_ptr<RecordSet>;
    ~RecordSet() override;

    // True when no row is current (at once for an empty result). Named so
    // because <cstdio> makes EOF a macro.
    bool IsEOF() const { return mRow >= RowCount(); }
    void MoveNext();
    // The named column (any case) of the current row. A column the query did
    // not return reads as NULL, and setting it makes the next Update fail.
    DatabaseField Field(std::string_view name);

    // Edit prepares the current row for changes; Update writes the changed
    // columns back to its row; DeleteRecord deletes the row at once and moves
    // on to the next. Each fails (false, and Error on the connection) when the
    // rows cannot be edited, no row is current, the connection is gone or
    // the row no longer exists.
    bool Edit();
    bool Update();
    bool DeleteRecord();

private:
    friend class REALSQLDatabase;
    friend class DatabaseField;
    RecordSet() = default;

    // A column value of one row, 16 bytes: text lies in mText.
    struct Cell {
        enum class Kind : uint8_t { Null, Integer, Real, Text };
        Kind kind = Kind::Null;
        uint32_t size = 0;
        int64_t value = 0;  // the integer, the real's bits or the text's offset
    };

    struct Buffers {
        std::vector<Cell> cells;
        std::string text;
        std::vector<int64_t> rowIds;
    };
    static Buffers* Spare();  // nullptr once the thread is ending
    void TakeSpareBuffers();

    size_t RowCount() const { return mRowCount; }
    void ReadRow(sqlite3_stmt* statement, int firstColumn);
    void AppendText(Cell& cell, const void* bytes, int size);
    SQLValueView View(const Cell& cell) const;
    SQLValueView Value(int column) const;
    void SetCell(int column, const SQLValue& value);
    Cell& At(size_t row, size_t column) { return mCells[row * mColumnCount + column]; }
    bool Fail(std::shared_ptr<REALSQLDatabase> database, std::string message);
    bool CheckWritable(const std::shared_ptr<REALSQLDatabase>& database);

    std::weak_ptr<REALSQLDatabase> mDatabase;
    std::string mTable;                 // empty: the rows cannot be edited
    std::vector<std::string> mNames;    // as the query named them
    std::vector<std::string> mOrigins;  // the table column behind each, empty when computed
    size_t mColumnCount = 0;
    size_t mRowCount = 0;
    std::vector<Cell> mCells;           // row after row
    std::string mText;
    std::vector<int64_t> mRowIds;
    size_t mRow = 0;
    bool mEditing = false;
    bool mMissingFieldSet = false;
    std::vector<bool> mChanged;
};

}  // namespace platform
