#pragma once

#include "platform/Date.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

class RecordSet;

// One column of a record set's current row, read and set through the set.
class DatabaseField {
public:
    bool Exists() const { return mColumn >= 0; }

    int32_t IntegerValue() const;
    std::string StringValue() const;
    bool BooleanValue() const;
    Date::Ref DateValue() const;  // nil when the value is not date text

    void SetIntegerValue(int32_t value);
    void SetStringValue(std::string value);
    void SetBooleanValue(bool value);  // stored as 1 or 0
    // Its date text; nil sets NULL; a date without date text makes the next Update fail.
    void SetDateValue(const Date::Ref& value);

private:
    friend class RecordSet;
    DatabaseField(std::shared_ptr<RecordSet> set, int column) : mSet(std::move(set)), mColumn(column) {}

    std::shared_ptr<RecordSet> mSet;
    int mColumn;
};

}  // namespace platform
