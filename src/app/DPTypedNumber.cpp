#include "app/DPTypedNumber.h"

#include "platform/Text.h"

#include <limits>

using platform::VariantType;

std::optional<int32_t> DPTypedNumber::Read(const platform::Variant& value)
{
    switch (value.Type()) {
    case VariantType::Nil:
        return 0;
    case VariantType::String:
        return platform::ParseTypedInt32(value.StringValue());
    case VariantType::Int32:
        return value.Int32Value();
    case VariantType::Int64: {
        const int64_t wide = value.Int64Value();
        if (wide < std::numeric_limits<int32_t>::min() || wide > std::numeric_limits<int32_t>::max())
            return std::nullopt;
        return static_cast<int32_t>(wide);
    }
    default:
        return std::nullopt;
    }
}
