#pragma once

#include "platform/Color.h"
#include "toolkit/controls/VR2Theme.h"
#include "toolkit/geometry/VR2Rect.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VR2Graphics;
class VR2PopupMenuView;
class VR2PushButtonView;
class VR2ScrollbarView;
class VR2StateButtonView;

// The toolkit's standard look: faces shaded from light grey at the top to a
// darker grey at the bottom (darker still while pressed), 22-pixel rounded
// corners, mid-grey frames, near-black text in "System".
//
// Parts and their parameters by position:
//   "push_button"  the button, its pressed hot spot (or nil), mouse within
//   "checkbox", "radio_button"  the view, its hot spots as Dictionary keys,
//                  label, style, value, pressed hot spot (or nil), mouse within
//   "popup_menu"   the view, pressed, mouse within
//   "scroll_bar"   the bar
//   "std_colrbtn"  the rectangle, the colour
// An object parameter of the wrong class raises TypeMismatchException.
class VR2DefaultTheme : public VR2Theme {
public:
    using Ref = std::shared_ptr<VR2DefaultTheme>;
    static Ref Create() { return Ref(new VR2DefaultTheme()); }

    bool DrawPushButton(const std::shared_ptr<VR2Graphics>& g, const std::shared_ptr<VR2PushButtonView>& button,
                        const VR2Rect::Ref& pressedSpot, bool within);
    bool DrawStateButton(const std::shared_ptr<VR2Graphics>& g, const std::shared_ptr<VR2StateButtonView>& view,
                         const std::vector<VR2Rect::Ref>& hotSpots, const std::string& label, int32_t style,
                         int32_t value, const VR2Rect::Ref& pressedSpot, bool within);
    bool DrawPopupMenu(const std::shared_ptr<VR2Graphics>& g, const std::shared_ptr<VR2PopupMenuView>& view,
                       bool pressed, bool within);
    bool DrawScrollbar(const std::shared_ptr<VR2Graphics>& g, const std::shared_ptr<VR2ScrollbarView>& view);
    bool DrawColorButton(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect, platform::Color color);

protected:
    VR2DefaultTheme() = default;

    bool PerformDrawPart(const std::shared_ptr<VR2Graphics>& g, const std::string& part, int32_t state,
                         const Params& params) override;
};
