#pragma once

#include "platform/Dictionary.h"
#include "platform/MenuItem.h"
#include "platform/Variant.h"
#include "toolkit/core/VR2MenuInfo.h"
#include "toolkit/core/VR2Message.h"
#include "toolkit/geometry/VR2Point.h"
#include "toolkit/geometry/VR2Rect.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Small shared services: one-call factories, rectangle lists in a Dictionary,
// click counting, hiding the cursor while typing, four-character codes.
namespace Vireo2Utilities {

VR2Rect::Ref VR2NewRect(int32_t left, int32_t top, int32_t width, int32_t height);
VR2Point::Ref VR2NewPoint(int32_t x, int32_t y);

// params, when given, becomes the message's own params (not a copy).
VR2Message::Ref VR2MakeMessage(const std::string& category, int32_t selector, const platform::Dictionary::Ref& params);

// Key, value, key, value ...; a later equal key replaces the value, a final
// key without a value is dropped.
platform::Dictionary::Ref VR2MakeDictionary(const std::vector<platform::Variant>& values);

// Each rectangle object a key (value nil): how rectangle lists travel in Variants.
platform::Dictionary::Ref VR2RectListToDictionary(const std::vector<VR2Rect::Ref>& rects);
// The keys, in order. A nil d raises NilObjectException, a key that is not a
// rectangle TypeMismatchException.
std::vector<VR2Rect::Ref> VR2RectListFromDictionary(const platform::Dictionary::Ref& d);

// The desktop's double-click interval in ticks, read anew on every call.
int32_t VR2DoubleClickTime();
// Hides the mouse pointer until the mouse next moves.
void VR2ObscureCursor();
// The first four bytes as a big-endian code ("actn" gives 0x6163746E); shorter text is zero-filled.
int32_t VR2SelectorStringToInteger(std::string_view text);
// A nil item raises NilObjectException.
VR2MenuInfo::Ref VR2MenuItemToMenuInfo(const platform::MenuItem::Ref& item);

// One click series for the whole process: True when this click on object
// (told apart by its Variant hash) comes within one double-click interval of
// the series' first click; count then receives the clicks so far (2, 3 ...).
// False starts a new series and leaves count alone.
bool VR2CheckClickCount(const platform::Variant& object, int32_t& count);
bool VR2CheckDoubleClick(const platform::Variant& object);

}  // namespace Vireo2Utilities
