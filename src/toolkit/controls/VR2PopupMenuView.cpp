#include "toolkit/controls/VR2PopupMenuView.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/core/VireoStandardProperties.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

using VireoStandardProperties::IsKey;
using VireoStandardProperties::kTextKey;

namespace {

const std::string kMenu = "menu";
constexpr int32_t kTextMargin = 18;
constexpr double kMinimumHeight = 22.0;

}  // namespace

void VR2PopupMenuView::AddRow(const std::string& text, const platform::Variant&) { mItem.push_back(text); }

void VR2PopupMenuView::AutoSizeForText()
{
    auto g = VR2Graphics::Create();
    double widest = 0;
    for (const auto& row : mItem)
        widest = std::max(widest, static_cast<double>(g->StringWidth(row)));
    const int32_t width =
        platform::WrapAdd(platform::WrapAdd(g->StringWidth(Caption), platform::DoubleToInt32(widest)), kTextMargin);
    const int32_t height = platform::DoubleToInt32(std::max(static_cast<double>(g->TextHeight()), kMinimumHeight));
    resize(width, height, false);
}

bool VR2PopupMenuView::PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref&)
{
    return Vireo2Theme::VR2Theme_DrawPart(g, themeparts::kPopupMenu, 0, {Self(), DownFrame, MouseWithin});
}

platform::MenuItem::Ref VR2PopupMenuView::RowMenu() const
{
    auto root = platform::MenuItem::Create();
    for (const auto& row : mItem) {
        auto item = platform::MenuItem::Create(row);
        item->Checked = row == Text;
        root->Append(item);
    }
    return root;
}

void VR2PopupMenuView::Report(const platform::MenuItem::Ref& item)
{
    const auto params = Vireo2Utilities::VR2MakeDictionary({kMenu, Vireo2Utilities::VR2MenuItemToMenuInfo(item)});
    if (!platform::Require(EventHandlerTable).triggerHandler(codes::kEventMenuAction, Self(), params))
        PopupAction(item);
}

bool VR2PopupMenuView::MouseDown(int32_t x, int32_t y)
{
    // The menu runs its own event loop: keep this view alive through it.
    const auto self = Self();
    const auto menu = ActionMenu ? ActionMenu : RowMenu();
    DownFrame = true;
    MouseWithin = frame()->containsPoint(x, y);
    refresh();
    const auto corner = bounds(codes::kSpaceScreen);
    const auto chosen = menu->PopUp(corner->left, corner->top);
    if (chosen && ActionMenu) {
        Report(chosen);
    } else if (chosen && chosen->Text != Text) {
        Text = chosen->Text;
        Report(chosen);
    }
    DownFrame = false;
    MouseWithin = false;
    refresh();
    return true;
}

bool VR2PopupMenuView::PropertyCheck(const std::vector<platform::Variant>& keys)
{
    for (const auto& key : keys)
        if (key.Type() == platform::VariantType::String && !IsKey(key, kTextKey))
            return false;
    return true;
}

bool VR2PopupMenuView::PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values)
{
    for (const auto& key : keys)
        if (IsKey(key, kTextKey))
            values->SetValue(kTextKey, Text);
    return true;
}
