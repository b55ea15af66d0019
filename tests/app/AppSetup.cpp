#include "support/ProgramSetup.h"
#include "toolkit/controls/Vireo2Theme.h"
#include "toolkit/hosts/VR2Application.h"

// As the program starts: the standard theme installed once.
void testsupport::ProgramSetup()
{
    Vireo2Theme::RegisterStandardTheme();
    VR2Application::Create()->standardVireoSetup();
}
