#include "toolkit/core/AppSeam.h"

#include <utility>

namespace toolkit {

namespace {

AppSeam& Seam()
{
    static AppSeam seam;
    return seam;
}

}  // namespace

AppSeam SetAppSeam(AppSeam seam)
{
    return std::exchange(Seam(), std::move(seam));
}

platform::ObjectRef App() { return Seam().application ? Seam().application() : nullptr; }

int32_t WindowCount() { return Seam().windowCount ? Seam().windowCount() : 0; }

platform::ObjectRef Window(int32_t index)
{
    if (!Seam().window || index < 0 || index >= WindowCount())
        return nullptr;
    return Seam().window(index);
}

}  // namespace toolkit
