#include "platform/sql/DatabaseField.h"

#include "platform/sql/RecordSet.h"

namespace platform {

int32_t DatabaseField::IntegerValue() const { return SQLIntegerOf(mSet->Cell(mColumn)); }
std::string DatabaseField::StringValue() const { return SQLStringOf(mSet->Cell(mColumn)); }
bool DatabaseField::BooleanValue() const { return SQLBooleanOf(mSet->Cell(mColumn)); }
Date::Ref DatabaseField::DateValue() const { return SQLDateOf(mSet->Cell(mColumn)); }

void DatabaseField::SetIntegerValue(int32_t value) { mSet->SetCell(mColumn, int64_t{value}); }
void DatabaseField::SetStringValue(std::string value) { mSet->SetCell(mColumn, std::move(value)); }
void DatabaseField::SetBooleanValue(bool value) { mSet->SetCell(mColumn, int64_t{value ? 1 : 0}); }

void DatabaseField::SetDateValue(const Date::Ref& value)
{
    mSet->SetCell(mColumn, value ? SQLValue(value->SQLDate()) : SQLValue());
}

}  // namespace platform
