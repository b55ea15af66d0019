#include "toolkit/controls/VR2DefaultTheme.h"

#include "platform/Exceptions.h"
#include "platform/Picture.h"
#include "platform/Text.h"
#include "toolkit/controls/VR2PopupMenuView.h"
#include "toolkit/controls/VR2PushButtonView.h"
#include "toolkit/controls/VR2ScrollbarView.h"
#include "toolkit/controls/VR2StateButtonView.h"
#include "toolkit/core/Vireo2Utilities.h"
#include "toolkit/geometry/VR2Gradient.h"
#include "toolkit/geometry/VR2Graphics.h"

#include <algorithm>

namespace {

using platform::Color;

constexpr Color kFaceTop{0xFEFEFE};
constexpr Color kFaceBottom{0xD7D7D7};
constexpr Color kPressedTop{0xB9B9B9};
constexpr Color kPressedBottom{0x797979};
constexpr Color kDisabledBottom{0xEEEEEE};
constexpr Color kFrame{0xADADAD};
constexpr Color kText{0x111111};
constexpr Color kPressedText{0xEEEEEE};
constexpr Color kDisabledText{0xBBBBBB};
constexpr Color kThumbFrame{0x555555};
constexpr Color kRadioDot{0x444444};
constexpr Color kSwatchTop{0xFEFEFE};
constexpr Color kSwatchBottom{0xDDDDDD};
constexpr Color kSwatchFrame{0x999999};
constexpr Color kSwatchInner{0xCCCCCC};
constexpr int32_t kCorner = 22;
constexpr int32_t kStateFace = 13;
constexpr int32_t kOwnSize = -1;

// An object parameter, checked for its class; nil stays nil.
template <typename T>
std::shared_ptr<T> Cast(const platform::Variant& value)
{
    if (value.IsNil())
        return nullptr;
    auto object = value.As<T>();
    if (!object)
        throw platform::TypeMismatchException();
    return object;
}

// Rows 0 .. rows - 1 of the context, shaded from top to bottom.
void ShadeRows(VR2Graphics& g, Color top, Color bottom, int32_t rows)
{
    auto gradient = VR2Gradient::Create();
    gradient->StartColor = top;
    gradient->EndColor = bottom;
    const auto steps = gradient->Steps(rows);
    for (int32_t row = 0; row < static_cast<int32_t>(steps.size()); ++row) {
        g.SetForeColor(steps[static_cast<size_t>(row)]);
        g.DrawLine(0, row, g.Width, row);
    }
}

// A picture of the context's size that shows only a rounded rectangle; nil
// for an empty context.
platform::Picture::Ref RoundedFace(const VR2Graphics& g)
{
    auto picture = platform::Picture::NewPicture(g.Width, g.Height, 32);
    if (!picture)
        return nullptr;
    const auto mask = picture->Mask()->Graphics();
    mask->ClearRect(0, 0, g.Width, g.Height);
    mask->FillRoundRect(0, 0, g.Width, g.Height, kCorner, kCorner);
    return picture;
}

// One line of text vertically centred in height, measured with g.
int32_t CentredBaseline(int32_t height, VR2Graphics& g)
{
    return platform::DoubleToInt32(height / 2.0 - g.TextHeight() / 2.0 + g.TextAscent());
}

// The 13 by 13 face every check box and radio button draws its box from;
// made once, its mask set afresh for each box.
const platform::Picture::Ref& StateFace()
{
    static const platform::Picture::Ref face = [] {
        auto picture = platform::Picture::NewPicture(kStateFace, kStateFace, 32);
        auto g = VR2Graphics::Create(picture->Graphics());
        ShadeRows(*g, kFaceTop, kFaceBottom, kStateFace);
        return picture;
    }();
    return face;
}

}  // namespace

bool VR2DefaultTheme::PerformDrawPart(const std::shared_ptr<VR2Graphics>& g, const std::string& part, int32_t,
                                      const Params& params)
{
    const auto param = [&](int32_t index) { return getParam(params, index); };
    if (part == themeparts::kPushButton)
        return DrawPushButton(g, Cast<VR2PushButtonView>(param(0)), Cast<VR2Rect>(param(1)),
                              param(2).BooleanValue());
    if (part == themeparts::kCheckbox || part == themeparts::kRadioButton) {
        const auto spots = Vireo2Utilities::VR2RectListFromDictionary(Cast<platform::Dictionary>(param(1)));
        return DrawStateButton(g, Cast<VR2StateButtonView>(param(0)), spots, param(2).StringValue(),
                               param(3).Int32Value(), param(4).Int32Value(), Cast<VR2Rect>(param(5)),
                               param(6).BooleanValue());
    }
    if (part == themeparts::kPopupMenu)
        return DrawPopupMenu(g, Cast<VR2PopupMenuView>(param(0)), param(1).BooleanValue(), param(2).BooleanValue());
    if (part == themeparts::kScrollBar)
        return DrawScrollbar(g, Cast<VR2ScrollbarView>(param(0)));
    if (part == themeparts::kColorButton)
        return DrawColorButton(g, Cast<VR2Rect>(param(0)), param(1).ColorValue());
    return false;
}

bool VR2DefaultTheme::DrawPushButton(const std::shared_ptr<VR2Graphics>& g,
                                     const std::shared_ptr<VR2PushButtonView>& button, const VR2Rect::Ref& pressedSpot,
                                     bool within)
{
    auto& context = platform::Require(g);
    auto& view = platform::Require(button);
    const bool pressed = pressedSpot && within;
    const Color top = !view.Enabled ? kFaceTop : pressed ? kPressedTop : kFaceTop;
    const Color bottom = !view.Enabled ? kDisabledBottom : pressed ? kPressedBottom : kFaceBottom;
    if (const auto picture = RoundedFace(context)) {
        auto face = VR2Graphics::Create(picture->Graphics());
        // The frame drawn below covers the bottom row.
        ShadeRows(*face, top, bottom, face->Height - 1);
        for (auto* each : {&context, face.get()}) {
            each->SetTextFont("System");
            each->SetTextSize(0);
        }
        const int32_t y = CentredBaseline(view.height(), context);
        const int32_t x =
            platform::DoubleToInt32(std::max(0.0, view.width() / 2.0 - context.StringWidth(view.text) / 2.0));
        face->SetForeColor(!view.Enabled ? kDisabledText : pressed ? kPressedText : kText);
        face->DrawString(view.text, x, y, view.width(), true);
        context.DrawPicture(picture, 0, 0, kOwnSize, kOwnSize, 0, 0, kOwnSize, kOwnSize);
    }
    context.SetForeColor(kFrame);
    context.DrawRoundRect(0, 0, context.Width, context.Height, kCorner, kCorner);
    return true;
}

bool VR2DefaultTheme::DrawStateButton(const std::shared_ptr<VR2Graphics>& g,
                                      const std::shared_ptr<VR2StateButtonView>&,
                                      const std::vector<VR2Rect::Ref>& hotSpots, const std::string& label,
                                      int32_t style, int32_t value, const VR2Rect::Ref& pressedSpot, bool within)
{
    auto& context = platform::Require(g);
    const auto& face = StateFace();
    const auto mask = face->Mask()->Graphics();
    const bool pressed = pressedSpot && within;
    for (const auto& spot : hotSpots) {
        const std::string tag = VR2ButtonView::TagOf(spot);
        if (tag.empty())
            continue;
        const int32_t l = spot->left;
        const int32_t t = spot->top;
        const int32_t w = spot->width;
        const int32_t h = spot->height;
        if (tag == hotspottags::kLabel) {
            context.SetTextFont("System");
            context.SetTextSize(0);
            context.SetForeColor(kText);
            context.DrawString(label, l, t + context.TextAscent(), -1, false);
        } else if (tag == hotspottags::kPicture && style == VR2StateButtonView::kCheckbox) {
            mask->FillRect(0, 0, kStateFace, kStateFace);
            context.DrawPicture(face, l, t, kOwnSize, kOwnSize, 0, 0, kOwnSize, kOwnSize);
            context.SetForeColor(kFrame);
            context.DrawRect(l, t, w, h);
            if (pressed)
                context.DrawRect(l + 1, t + 1, w - 2, h - 2);
            if (value != 0) {
                // The long stroke ends one pixel above the box.
                context.SetForeColor(kText);
                context.PushPenSize(2, 2);
                const int32_t cx = platform::DoubleToInt32(l + w / 2.0);
                const int32_t cy = platform::DoubleToInt32(t + h / 2.0 + 1);
                context.DrawLine(l + 3, t + 3, cx, cy);
                context.DrawLine(cx, cy, l + w - 1, t - 1);
                context.PopPenSize();
            }
        } else if (tag == hotspottags::kPicture && style == VR2StateButtonView::kRadioButton) {
            mask->ClearRect(0, 0, kStateFace, kStateFace);
            mask->FillOval(0, 0, kStateFace, kStateFace);
            context.DrawPicture(face, l, t, kOwnSize, kOwnSize, 0, 0, kOwnSize, kOwnSize);
            context.SetForeColor(kFrame);
            context.DrawOval(l, t, w, h);
            if (pressed)
                context.DrawOval(l + 1, t + 1, w - 2, h - 2);
            if (value != 0) {
                context.SetForeColor(kRadioDot);
                context.FillOval(l + 3, t + 3, w - 6, h - 6);
            }
        }
    }
    return true;
}

bool VR2DefaultTheme::DrawPopupMenu(const std::shared_ptr<VR2Graphics>& g,
                                    const std::shared_ptr<VR2PopupMenuView>& view, bool pressed, bool within)
{
    auto& context = platform::Require(g);
    auto& popup = platform::Require(view);
    const bool down = pressed && within;
    const Color top = down ? kPressedTop : kFaceTop;
    const Color bottom = down ? kPressedBottom : kFaceBottom;
    if (const auto picture = RoundedFace(context)) {
        auto face = VR2Graphics::Create(picture->Graphics());
        ShadeRows(*face, top, bottom, face->Height - 1);
        const int32_t y = CentredBaseline(popup.height(), *face);
        face->SetForeColor(down ? kPressedText : kText);
        face->DrawString(popup.Text, 10, y, platform::WrapSub(popup.width(), 25), true);
        const int32_t x = platform::WrapAdd(platform::WrapSub(popup.width(), context.Height), 7);
        face->FillArrow(x, platform::DoubleToInt32(context.Height / 2.0 - 7), 6, 5, codes::kArrowUp);
        face->FillArrow(x, platform::DoubleToInt32(context.Height / 2.0 + 1), 6, 5, codes::kArrowDown);
        context.DrawPicture(picture, 0, 0, kOwnSize, kOwnSize, 0, 0, kOwnSize, kOwnSize);
    }
    context.SetForeColor(kFrame);
    context.DrawRoundRect(0, 0, context.Width, context.Height, kCorner, kCorner);
    return true;
}

bool VR2DefaultTheme::DrawScrollbar(const std::shared_ptr<VR2Graphics>& g,
                                    const std::shared_ptr<VR2ScrollbarView>& view)
{
    auto& context = platform::Require(g);
    auto& bar = platform::Require(view);
    const bool vertical = bar.Orientation == VR2ScrollbarView::kVertical;
    const bool horizontal = bar.Orientation == VR2ScrollbarView::kHorizontal;
    context.FillGradientRect(0, 0, context.Width, context.Height, kFaceTop, kFaceBottom, vertical);
    for (const auto& spot : bar.HotSpot) {
        const std::string tag = VR2ButtonView::TagOf(spot);
        if (tag.empty())
            continue;
        const int32_t l = spot->left;
        const int32_t t = spot->top;
        const int32_t w = spot->width;
        const int32_t h = spot->height;
        if (tag == hotspottags::kDecrement || tag == hotspottags::kIncrement) {
            context.SetForeColor(kFrame);
            context.DrawRect(l, t, w, h);
            context.SetForeColor(kText);
            const bool decrement = tag == hotspottags::kDecrement;
            if (vertical)
                context.FillArrow(l + 5, t + 5, 7, 7, decrement ? codes::kArrowUp : codes::kArrowDown);
            else if (horizontal)
                context.FillArrow(l + 5, t + 5, 7, 7, decrement ? codes::kArrowLeft : codes::kArrowRight);
        } else if (tag == hotspottags::kThumb) {
            context.SetForeColor(kThumbFrame);
            context.DrawRect(l, t, w, h);
            context.FillGradientRect(l + 1, t + 1, w - 2, h - 2, kPressedTop, kPressedBottom, vertical);
        } else if (tag == hotspottags::kTrack) {
            // The body's shading reversed, so that the track looks sunken.
            context.SetForeColor(kFrame);
            context.DrawRect(l, t, w, h);
            context.FillGradientRect(l + 1, t + 1, w - 2, h - 2, kFaceBottom, kFaceTop, vertical);
        }
    }
    return true;
}

bool VR2DefaultTheme::DrawColorButton(const std::shared_ptr<VR2Graphics>& g, const VR2Rect::Ref& rect,
                                      platform::Color color)
{
    auto& context = platform::Require(g);
    const auto& swatch = platform::Require(rect);
    const int32_t w = swatch.width;
    const int32_t h = swatch.height;
    context.FillGradientRect(0, 0, w, h, kSwatchTop, kSwatchBottom, false);
    context.SetForeColor(kSwatchFrame);
    context.DrawRect(0, 0, w, h);
    context.SetForeColor(kSwatchInner);
    context.DrawRect(3, 3, w - 6, h - 6);
    context.SetForeColor(color);
    context.FillRect(4, 4, w - 8, h - 8);
    return true;
}
