#pragma once

// Private to the SQL layer: the statement handle and its finalizer.
#include <sqlite3.h>

#include <memory>
#include <string>
#include <string_view>

namespace platform {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const noexcept { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// A table or column name as a quoted SQL identifier.
std::string QuoteSQLName(std::string_view name);

}  // namespace platform
