#pragma once

#include "toolkit/controls/VR2Theme.h"

#include <cstdint>
#include <memory>
#include <string>

class VR2Graphics;

// The one current theme of the process and the single drawing entry of every
// themed control.
namespace Vireo2Theme {

// The current theme; nil until one is installed.
VR2Theme::Ref CurrentTheme();

// Makes theme current and posts 'thcg' ("vr2theme", no sender, no parameters)
// on the default notification center, also when it was current already.
void VR2Theme_ChangeTheme(const VR2Theme::Ref& theme);

// What the current theme draws for the part; NilObjectException without one.
bool VR2Theme_DrawPart(const std::shared_ptr<VR2Graphics>& g, const std::string& part, int32_t state,
                       const VR2Theme::Params& params);

// Makes a new default theme current.
void InstallStandardTheme();

// Hands InstallStandardTheme to the application base, whose standard setup
// runs it once. Called at start-up by the program (and the test programs that
// draw controls), explicitly, so that no linker can drop the registration.
void RegisterStandardTheme();

// Test seam: no theme is current afterwards.
void ResetForTesting();

}  // namespace Vireo2Theme
