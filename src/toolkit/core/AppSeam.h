#pragma once

#include "platform/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class VR2View;

namespace toolkit {

// How the toolkit reaches the running application object and its open
// windows (in the platform's order). The application fills this in when it
// starts; tests fill it with stand-ins. Without it there is no application
// object and no window.
struct AppSeam {
    std::function<platform::ObjectRef()> application;
    std::function<int32_t()> windowCount;
    std::function<platform::ObjectRef(int32_t index)> window;
};

// Installs the seam and returns the previous one.
AppSeam SetAppSeam(AppSeam seam);

// The application object; nil when there is none.
platform::ObjectRef App();
int32_t WindowCount();
// nil outside 0 .. WindowCount() - 1.
platform::ObjectRef Window(int32_t index);

}  // namespace toolkit

// The lookups of the toolkit's application base that target codes use.
// VR2Application implements it; an application object without it is searched
// window by window.
class VR2ApplicationInterface : public virtual platform::Object {
public:
    // The first focus view among the windows that are surfaces.
    virtual std::shared_ptr<VR2View> focusView() = 0;
    // The first answer of the windows' FindViewByName.
    virtual std::shared_ptr<VR2View> findViewByName(const std::string& name, bool deep, bool visibleOnly) = 0;
};
