#include "app/DPBuild.h"

#include "toolkit/core/VR2Codes.h"
#include "toolkit/core/VR2EventDataSpecifier.h"
#include "toolkit/core/VireoStandardProperties.h"

VR2StaticTextView::Ref DPBuild::Caption(const std::string& text, int32_t left, int32_t top, int32_t width,
                                        int32_t height, int32_t alignment)
{
    auto label = Make<VR2StaticTextView>("", left, top, width, height);
    label->text = text;
    label->alignment = alignment;
    return label;
}

VR2EventHandler::Ref DPBuild::AddHandler(VR2View& view, int32_t eventCode, const std::string& category,
                                         int32_t selector, int32_t targetCode)
{
    auto handler = VR2EventHandler::Create();
    handler->messageCategory = category;
    handler->messageSelector = selector;
    handler->targetCode = targetCode;
    view.EventHandlerTable->addHandler(eventCode, handler);
    return handler;
}

void DPBuild::AddTextRecipe(VR2EventHandler& handler, const std::string& key, const std::string& viewName)
{
    auto recipe = VR2EventDataSpecifier::Create();
    recipe->targetCode = codes::kTargetInTop;
    recipe->targetName = viewName;
    recipe->messageDataKey = key;
    recipe->propertyKey = VireoStandardProperties::kTextKey;
    handler.messageData.push_back(recipe);
}
