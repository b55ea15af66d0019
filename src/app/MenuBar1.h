#pragma once

#include "platform/MenuBar.h"

#include <memory>

// The application's menu bar: File, Edit and Help.
class MenuBar1 : public platform::MenuBar {
public:
    using Ref = std::shared_ptr<MenuBar1>;

    // The one menu bar, built on the first call.
    static Ref Instance();

private:
    MenuBar1();
};
