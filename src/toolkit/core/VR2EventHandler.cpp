#include "toolkit/core/VR2EventHandler.h"

void VR2EventHandler::Release()
{
    messageCategory.clear();
    while (!messageData.empty()) {
        const auto recipe = messageData.back();
        messageData.pop_back();
        if (recipe)
            recipe->Release();
    }
    messageSelector = 0;
    targetCode = 0;
    targetName.clear();
}
