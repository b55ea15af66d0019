#pragma once

#include "platform/MenuItem.h"

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// The services that block or reach outside the program. Tests install a
// recorder in place of the real ones.
class Services {
public:
    virtual ~Services() = default;
    virtual void Beep();
    virtual void MsgBox(const std::string& text);  // modal, one OK button
    virtual bool ShowURL(const std::string& url);
    // Shows menu's items as a pop-up menu with its top-left corner at the
    // screen point (x, y), tracks it modally and answers the chosen item, or nil.
    virtual MenuItem::Ref PopUpMenu(const MenuItem::Ref& menu, int32_t x, int32_t y);
};

// Replaces the services (nullptr restores the real ones); returns the previous ones.
std::shared_ptr<Services> SetServices(std::shared_ptr<Services> services);

void Beep();
void MsgBox(const std::string& text);
bool ShowURL(const std::string& url);
MenuItem::Ref PopUpMenu(const MenuItem::Ref& menu, int32_t x, int32_t y);

}  // namespace platform
