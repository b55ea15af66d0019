#include "toolkit/core/Vireo2Engine.h"

#include "platform/Exceptions.h"
#include "platform/Text.h"
#include "toolkit/core/AppSeam.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2Surface.h"
#include "toolkit/core/VR2View.h"

namespace Vireo2Engine {

namespace {

VR2Object::Ref AsObject(const platform::ObjectRef& object) { return std::dynamic_pointer_cast<VR2Object>(object); }

// Visits the application's windows that are surfaces, in order, until visit answers something.
template <typename Result, typename Visit>
Result FirstSurfaceWindowAnswer(Visit visit)
{
    for (int32_t index = 0; index < toolkit::WindowCount(); ++index)
        if (const auto surface = std::dynamic_pointer_cast<VR2Surface>(toolkit::Window(index)))
            if (auto answer = visit(surface))
                return answer;
    return nullptr;
}

}  // namespace

std::shared_ptr<VR2View> VR2ApplicationFindViewByName(const std::string& name, bool deep, bool visibleOnly)
{
    return FirstSurfaceWindowAnswer<std::shared_ptr<VR2View>>(
        [&](const VR2Surface::Ref& window) { return window->FindViewByName(name, deep, visibleOnly); });
}

VR2Object::Ref VR2ApplicationFindFocusObject()
{
    for (int32_t index = 0; index < toolkit::WindowCount(); ++index) {
        const auto window = toolkit::Window(index);
        if (const auto surface = std::dynamic_pointer_cast<VR2Surface>(window)) {
            if (auto focus = surface->focusView())
                return focus;
            return AsObject(window);
        }
    }
    return nullptr;
}

std::shared_ptr<VR2View> VR2ApplicationFindViewByPath(const std::string& path, bool, bool)
{
    return FirstSurfaceWindowAnswer<std::shared_ptr<VR2View>>(
        [&](const VR2Surface::Ref& window) { return VR2FindViewByPath(window, path); });
}

std::shared_ptr<VR2View> VR2FindViewByPath(const std::shared_ptr<VR2Surface>& surface, const std::string& path)
{
    platform::Require(surface);
    auto parts = platform::Split(path, ".");
    auto current = surface;
    while (!parts.empty()) {
        const auto found = current->FindViewByName(parts.front(), true, false);
        parts.erase(parts.begin());
        if (parts.empty())
            return found;
        current = std::dynamic_pointer_cast<VR2Surface>(found);
        if (!current)
            return nullptr;
    }
    return nullptr;
}

VR2Object::Ref VR2FindTargetObject(int32_t code, const std::string& name, const VR2Object::Ref& source)
{
    const auto view = std::dynamic_pointer_cast<VR2View>(source);
    const auto parent = view ? view->parent(false) : nullptr;
    const auto root = parent ? view->parent(true) : nullptr;
    const auto ownSurface = std::dynamic_pointer_cast<VR2Surface>(source);
    const auto application = toolkit::App();
    const auto applicationLookups = std::dynamic_pointer_cast<VR2ApplicationInterface>(application);
    const bool named = !name.empty();

    switch (code) {
    case codes::kTargetSelf:
        return source;
    case codes::kTargetParent:
        return AsObject(parent);
    case codes::kTargetTop:
        return AsObject(root);
    case codes::kTargetApp:
        return AsObject(application);
    case codes::kTargetFindInApp:
        return applicationLookups ? applicationLookups->focusView() : VR2ApplicationFindFocusObject();
    case codes::kTargetFindInParent:
        return parent ? parent->focusView() : nullptr;
    case codes::kTargetFindInTop:
        return root ? root->focusView() : nullptr;
    case codes::kTargetFindInSelf:
        return ownSurface ? ownSurface->focusView() : nullptr;
    case codes::kTargetFirstResponder: {
        const auto chain = VR2ResponderChainCopy();
        return chain.empty() ? nullptr : chain.front();
    }
    case codes::kTargetInApp:
        if (!named)
            return nullptr;
        return applicationLookups ? applicationLookups->findViewByName(name, true, false)
                                  : VR2ApplicationFindViewByName(name, true, false);
    case codes::kTargetInParent:
        return parent && named ? parent->FindViewByName(name, true, false) : nullptr;
    case codes::kTargetInTop:
        return root && named ? root->FindViewByName(name, true, false) : nullptr;
    case codes::kTargetInSelf:
        return ownSurface && named ? ownSurface->FindViewByName(name, true, false) : nullptr;
    case codes::kTargetPathInApp:
        return named ? VR2ApplicationFindViewByPath(name, true, false) : nullptr;
    case codes::kTargetPathInParent:
        return parent ? VR2FindViewByPath(parent, name) : nullptr;
    case codes::kTargetPathInTop:
        return root ? VR2FindViewByPath(root, name) : nullptr;
    case codes::kTargetPathInSelf:
        return ownSurface && named ? VR2FindViewByPath(ownSurface, name) : nullptr;
    default:
        return nullptr;
    }
}

}  // namespace Vireo2Engine
