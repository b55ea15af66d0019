#include "support/ProgramSetup.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/hosts/VR2Application.h"

// As the program starts: the standard theme is registered, and the
// application base's standard setup installs it.
void testsupport::ProgramSetup()
{
    Vireo2Theme::RegisterStandardTheme();
    VR2Application::Create()->standardVireoSetup();
}
