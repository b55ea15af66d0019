#pragma once

#include "platform/Picture.h"

#include <memory>
#include <string>

class AboutWindow;

// Keeps at most one about box: a request while one is open brings it to the
// front as it is; once it closed, the next request builds a fresh one.
namespace KxAboutBoxKit {

// Shows the about box with the icon (nil: none), the application's name and its copyright line.
void KxAboutShowStandardAbout(const platform::Picture::Ref& icon, const std::string& name,
                              const std::string& copyright);
// The about window tells the module that it closed.
void KxAboutWindowDidClose();
// The about window that is open, or nil.
std::shared_ptr<AboutWindow> KxAboutBoxWindow();

}  // namespace KxAboutBoxKit
