#pragma once

#include "platform/Object.h"
#include "platform/sql/SQLValue.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// A new row, built column by column for REALSQLDatabase::InsertRecord; the
// columns it does not name are left NULL. Setting a column twice keeps the last value.
class DatabaseRecord : public Object {
public:
    using Ref = std::shared_ptr<DatabaseRecord>;
    static Ref Create() { return Ref(new DatabaseRecord()); }

    void Column(std::string_view name, std::string_view text);
    void IntegerColumn(std::string_view name, int32_t value);
    void BooleanColumn(std::string_view name, bool value);

    const std::vector<std::pair<std::string, SQLValue>>& Columns() const { return mColumns; }

private:
    DatabaseRecord() = default;
    void Set(std::string_view name, SQLValue value);

    std::vector<std::pair<std::string, SQLValue>> mColumns;
};

}  // namespace platform
