#pragma once

// The protocol's named values: four-character codes, coordinate spaces, focus
// codes, arrow directions, key codes and message results. Code spells these
// names, never the bare numbers or literals.

#include <cstdint>

#include "platform/FourCC.h"

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

// Arrow directions of DrawArrow and FillArrow.
constexpr int32_t kArrowDown = 0;
constexpr int32_t kArrowUp = 1;
constexpr int32_t kArrowLeft = 2;
constexpr int32_t kArrowRight = 3;

// Key codes: the code point of the one-character key text a window reports.
constexpr int32_t kKeyHome = 1;
constexpr int32_t kKeyEnter = 3;
constexpr int32_t kKeyEnd = 4;
constexpr int32_t kKeyBackspace = 8;
constexpr int32_t kKeyTab = 9;
constexpr int32_t kKeyReturn = 13;
constexpr int32_t kKeyEscape = 27;
constexpr int32_t kKeyLeft = 28;
constexpr int32_t kKeyRight = 29;
constexpr int32_t kKeyUp = 30;
constexpr int32_t kKeyDown = 31;
constexpr int32_t kKeyDelete = 127;

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

// Themes: per-part information selectors (part "text").
constexpr int32_t kPartInfoRegularFontName = FourCC("rgfn");
constexpr int32_t kPartInfoRegularFontSize = FourCC("rgfz");
constexpr int32_t kPartInfoSmallFontName = FourCC("smfn");
constexpr int32_t kPartInfoSmallFontSize = FourCC("smfz");

// Row lists: the key of a 'keyp' report's parameter.
constexpr int32_t kKeyKeyPress = FourCC("keyp");

// Display controls: the chart bar's messages (category "vr2chartbarcontrol").
constexpr int32_t kChartBarReset = FourCC("rset");
constexpr int32_t kChartBarAddColor = FourCC("adcl");

// Text edit and click-to-edit field.
constexpr int32_t kTextSelectAll = FourCC("sall");  // "slte": select the whole text
constexpr int32_t kEditDone = FourCC("done");       // "vr2c2e_activecell": commit the open edit
constexpr int32_t kEditCancel = FourCC("canc");     // "vr2c2e_activecell": drop the open edit

// Platform window: the action of a drag from the desktop.
constexpr int32_t kDropCopy = 1;
constexpr int32_t kDropMove = 2;
constexpr int32_t kDropLink = 3;

}  // namespace codes
