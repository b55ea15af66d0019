#include "platform/sql/DatabaseRecord.h"

namespace platform {

void DatabaseRecord::Column(std::string_view name, std::string_view text) { Set(name, std::string(text)); }

void DatabaseRecord::IntegerColumn(std::string_view name, int32_t value) { Set(name, int64_t{value}); }

// Flags are stored as the integers 1 and 0.
void DatabaseRecord::BooleanColumn(std::string_view name, bool value) { Set(name, int64_t{value ? 1 : 0}); }

void DatabaseRecord::Set(std::string_view name, SQLValue value)
{
    for (auto& column : mColumns) {
        if (column.first == name) {
            column.second = std::move(value);
            return;
        }
    }
    mColumns.emplace_back(std::string(name), std::move(value));
}

}  // namespace platform
