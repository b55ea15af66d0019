#include "toolkit/core/VR2EventDataSpecifier.h"

void VR2EventDataSpecifier::Release()
{
    propertyKey = nullptr;
    targetCode = 0;
    targetName.clear();
}
