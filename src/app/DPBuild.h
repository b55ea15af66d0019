#pragma once

// The steps every view builder of the main window repeats: a new view named,
// moved and sized without telling a parent (it has none yet), captions, and
// the rules that turn a view's event into a message.

#include "toolkit/controls/VR2StaticTextView.h"
#include "toolkit/core/VR2EventHandler.h"
#include "toolkit/core/VR2View.h"

#include <cstdint>
#include <memory>
#include <string>

namespace DPBuild {

template <typename T>
std::shared_ptr<T> Make(const std::string& name, int32_t left, int32_t top, int32_t width, int32_t height)
{
    auto view = VR2View::Create<T>();
    view->Name = name;
    view->move(left, top, false);
    view->resize(width, height, false);
    return view;
}

// An unnamed caption in the default colour.
VR2StaticTextView::Ref Caption(const std::string& text, int32_t left, int32_t top, int32_t width, int32_t height,
                               int32_t alignment = 0);

// A rule with an empty target name and no recipes, stored in view's table under eventCode.
VR2EventHandler::Ref AddHandler(VR2View& view, int32_t eventCode, const std::string& category, int32_t selector,
                                int32_t targetCode);

// Appends a recipe: the "text" of the view named viewName, searched through
// the whole window, under key.
void AddTextRecipe(VR2EventHandler& handler, const std::string& key, const std::string& viewName);

}  // namespace DPBuild
