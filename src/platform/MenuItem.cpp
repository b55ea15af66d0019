#include "platform/MenuItem.h"

#include "platform/Exceptions.h"

namespace platform {

MenuItem::Ref MenuItem::Create(std::string text, Variant tag)
{
    Ref item(new MenuItem());
    item->Text = std::move(text);
    item->Tag = std::move(tag);
    return item;
}

MenuItem::Ref MenuItem::Child(int32_t index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return mChildren[static_cast<size_t>(index)];
}

MenuItem::Ref MenuItem::Child(const std::string& name) const
{
    for (const auto& child : mChildren)
        if (child->Name == name)
            return child;
    return nullptr;
}

void MenuItem::Append(Ref item)
{
    if (!item)
        throw NilObjectException();
    mChildren.push_back(std::move(item));
}

}  // namespace platform
