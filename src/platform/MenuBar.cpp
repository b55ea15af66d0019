#include "platform/MenuBar.h"

#include "platform/Application.h"

#include <cctype>

namespace platform {

namespace {

constexpr char kCommandPrefix[] = "Cmd+";

MenuItem::Ref FindIn(const MenuItem& menu, const std::string& key)
{
    for (int32_t index = 0; index < menu.Count(); ++index) {
        const auto item = menu.Child(index);
        if (!item->KeyboardShortcut.empty() && ShortcutKey(item->KeyboardShortcut) == key)
            return item;
        if (auto found = FindIn(*item, key))
            return found;
    }
    return nullptr;
}

void EnableAsAuto(MenuItem& menu)
{
    for (int32_t index = 0; index < menu.Count(); ++index) {
        const auto item = menu.Child(index);
        item->Enabled = item->AutoEnable;
        EnableAsAuto(*item);
    }
}

}  // namespace

std::string ShortcutKey(const std::string& shortcut)
{
    const std::string prefix = kCommandPrefix;
    if (shortcut.size() != prefix.size() + 1 || shortcut.compare(0, prefix.size(), prefix) != 0)
        return {};
    const auto key = static_cast<unsigned char>(shortcut.back());
    if (key < 0x20 || key > 0x7E)
        return {};
    return std::string(1, static_cast<char>(std::tolower(key)));
}

MenuItem::Ref MenuBar::FindShortcut(const std::string& key) const
{
    if (key.empty())
        return nullptr;
    return FindIn(*this, key);
}

void MenuBar::UpdateEnabled()
{
    EnableAsAuto(*this);
    if (const auto application = Application::Current())
        application->RaiseEnableMenuItems();
}

}  // namespace platform
