#pragma once

// The toolkit's protocol as named values: message results, coordinate spaces,
// focus codes, four-character selectors, event codes, keys, data kinds,
// notifications and target codes. A control's own selectors live in its
// header; the platform's key codes in platform/Codes.h. Code spells these
// names, never the bare numbers or literals.

#include "platform/FourCC.h"

#include <cstdint>

namespace codes {

using platform::FourCC;

// Message results.
constexpr int32_t kResultNone = 0;
constexpr int32_t kResultHandled = 1;
constexpr int32_t kResultStop = 3;      // not to be passed on
constexpr int32_t kResultNoTarget = 4;  // nothing to forward to

// A result that ends a message's road up the view tree.
constexpr bool EndsRoad(int32_t result)
{
    return result == kResultHandled || result == kResultStop;
}

// Coordinate spaces of bounds, MousePosition and TranslatePoint: 0 to 2 the
// surface's own coordinates, 3 the screen.
constexpr int32_t kSpaceLocal = 0;
constexpr int32_t kSpaceLocal1 = 1;
constexpr int32_t kSpaceLocal2 = 2;
constexpr int32_t kSpaceScreen = 3;

// Focus codes of ChangeFocus and changeFocus.
constexpr int32_t kFocusGive = 0;
constexpr int32_t kFocusTake = 1;
constexpr int32_t kFocusNext = 2;      // Tab
constexpr int32_t kFocusPrevious = 3;  // Shift-Tab

// Property protocol (category "vr2o_property").
constexpr int32_t kGetProperty = FourCC("getp");
constexpr int32_t kSetProperty = FourCC("setp");
constexpr int32_t kHasProperty = FourCC("hasp");
constexpr int32_t kEnable = FourCC("eanb");
constexpr int32_t kDisable = FourCC("disb");

// Event codes raised through a view's event-handler table.
constexpr int32_t kEventGotFocus = FourCC("gfcs");
constexpr int32_t kEventLostFocus = FourCC("lfcs");
constexpr int32_t kEventAction = FourCC("actn");
constexpr int32_t kEventCancel = FourCC("canc");
constexpr int32_t kEventChanged = FourCC("chgd");
constexpr int32_t kEventDoubleClick = FourCC("dblk");
constexpr int32_t kEventKeyPress = FourCC("keyp");
constexpr int32_t kEventMenuAction = FourCC("mact");

// Keys of parameter and property dictionaries.
constexpr int32_t kKeyValue = FourCC("valu");

// Event data kinds.
constexpr int32_t kDataSpecifier = FourCC("spec");
constexpr int32_t kDataValue = FourCC("valu");

// Notifications.
constexpr int32_t kThemeChanged = FourCC("thcg");
constexpr int32_t kStateButtonChanged = FourCC("schg");

// Target codes.
constexpr int32_t kTargetSelf = FourCC("self");
constexpr int32_t kTargetParent = FourCC("parn");
constexpr int32_t kTargetTop = FourCC("top ");
constexpr int32_t kTargetApp = FourCC("app ");
constexpr int32_t kTargetFindInApp = FourCC("fapp");
constexpr int32_t kTargetFindInParent = FourCC("fprt");
constexpr int32_t kTargetFindInTop = FourCC("ftop");
constexpr int32_t kTargetFindInSelf = FourCC("fslf");
constexpr int32_t kTargetFirstResponder = FourCC("frst");
constexpr int32_t kTargetInApp = FourCC("inap");
constexpr int32_t kTargetInParent = FourCC("inpt");
constexpr int32_t kTargetInTop = FourCC("intp");
constexpr int32_t kTargetInSelf = FourCC("insf");
constexpr int32_t kTargetPathInApp = FourCC("papp");
constexpr int32_t kTargetPathInParent = FourCC("pprt");
constexpr int32_t kTargetPathInTop = FourCC("ptop");
constexpr int32_t kTargetPathInSelf = FourCC("pslf");

}  // namespace codes
