#include "toolkit/controls/Vireo2Theme.h"

#include "platform/Exceptions.h"
#include "toolkit/controls/VR2DefaultTheme.h"
#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2NotificationCenter.h"
#include "toolkit/core/Vireo2Engine.h"
#include "toolkit/hosts/VR2Application.h"

namespace Vireo2Theme {

namespace {

const std::string kThemeCategory = "vr2theme";

VR2Theme::Ref& mTheme()
{
    static VR2Theme::Ref theme;
    return theme;
}

}  // namespace

VR2Theme::Ref CurrentTheme() { return mTheme(); }

void VR2Theme_ChangeTheme(const VR2Theme::Ref& theme)
{
    mTheme() = theme;
    Vireo2Engine::VR2DefaultNotificationCenter()->postNotification(nullptr, codes::kThemeChanged, kThemeCategory,
                                                                   nullptr);
}

bool VR2Theme_DrawPart(const std::shared_ptr<VR2Graphics>& g, const std::string& part, int32_t state,
                       const VR2Theme::Params& params)
{
    // Held for the call: a control's paint may install another theme.
    const auto theme = mTheme();
    return platform::Require(theme).DrawPart(g, part, state, params);
}

void InstallStandardTheme() { VR2Theme_ChangeTheme(VR2DefaultTheme::Create()); }

void RegisterStandardTheme() { VR2Application::SetStandardThemeInstaller(InstallStandardTheme); }

void ResetForTesting() { mTheme().reset(); }

}  // namespace Vireo2Theme
