#pragma once

#include "platform/MenuItem.h"
#include "toolkit/core/VR2View.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// A pop-up menu button: shows its current choice (Text) and, on a press, pops
// up a menu of its rows (or its ActionMenu) at its top-left corner. A new
// choice is reported as 'mact' with {"menu": the chosen entry as VR2MenuInfo};
// when no handler takes it, the view raises PopupAction. Drawn by the theme as
// "popup_menu"; property "text" (read only).
class VR2PopupMenuView : public VR2View {
public:
    using Ref = std::shared_ptr<VR2PopupMenuView>;
    static Ref Create() { return VR2View::Create<VR2PopupMenuView>(); }

    // A label whose width AutoSizeForText reserves; not drawn.
    std::string Caption;
    // The pressed look: set while the menu is open.
    bool DownFrame = false;
    bool MouseWithin = false;
    // Shown instead of the rows when set; every choice from it is reported.
    platform::MenuItem::Ref ActionMenu;
    // The current choice.
    std::string Text;

    // Appends a row; the tag is not kept.
    void AddRow(const std::string& text, const platform::Variant& tag);
    // Fits the caption and the widest row: 18 pixels more, at least 22 high.
    void AutoSizeForText();

protected:
    bool PaintRect(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect) override;
    bool MouseDown(int32_t x, int32_t y) override;
    bool PropertyCheck(const std::vector<platform::Variant>& keys) override;
    bool PropertyGet(const std::vector<platform::Variant>& keys, const platform::Dictionary::Ref& values) override;

    // A choice that no 'mact' handler took.
    virtual void PopupAction(const platform::MenuItem::Ref& /*item*/) {}

private:
    platform::MenuItem::Ref RowMenu() const;
    void Report(const platform::MenuItem::Ref& item);

    std::vector<std::string> mItem;
};
