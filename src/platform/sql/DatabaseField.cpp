#include "platform/sql/DatabaseField.h"

#include "platform/sql/RecordSet.h"

namespace platform {

int32_t DatabaseField::IntegerValue() const { return SQLIntegerOf(mSet->Value(mColumn)); }
std::string DatabaseField::StringValue() const { return SQLStringOf(mSet->Value(mColumn)); }
bool DatabaseField::BooleanValue() const { return SQLBooleanOf(mSet->Value(mColumn)); }
Date::Ref DatabaseField::DateValue() const { return SQLDateOf(mSet->Value(mColumn)); }

void DatabaseField::SetIntegerValue(int32_t value) { mSet->SetCell(mColumn, SQLValue(int64_t{value})); }
void DatabaseField::SetStringValue(std::string value) { mSet->SetCell(mColumn, SQLValue(std::move(value))); }
void DatabaseField::SetBooleanValue(bool value) { mSet->SetCell(mColumn, SQLValue(int64_t{value ? 1 : 0})); }

void DatabaseField::SetDateValue(const Date::Ref& value)
{
    const std::string text = value ? value->SQLDate() : std::string();
    // A date without date text is refused, as a missing column is: the next Update fails.
    mSet->SetCell(value && text.empty() ? -1 : mColumn, text.empty() ? SQLValue() : SQLValue(text));
}

}  // namespace platform
