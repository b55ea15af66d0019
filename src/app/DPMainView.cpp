#include "app/DPMainView.h"

#include "app/DPBuild.h"
#include "app/DPCurrentView.h"
#include "app/DPMainToolbar.h"
#include "app/DPStatusBar.h"

namespace {

VR2ContainerView::Ref Placeholder(const std::string& name, int32_t top, int32_t height, const VR2View::Ref& content)
{
    auto holder = DPBuild::Make<VR2ContainerView>(name, 0, top, 799, height);
    holder->Pinning->Top = true;
    holder->initWithContentView(content);
    return holder;
}

}  // namespace

VR2ContainerView::Ref DPMainView::init()
{
    auto root = DPBuild::Make<VR2ContainerView>("DPMainView", 0, 0, 799, 559);
    root->Pinning->Width = true;
    root->Pinning->Height = true;
    const auto surface = std::static_pointer_cast<VR2Surface>(root);
    Placeholder("main_content", 115, 444, DPCurrentView::init())->attach(surface, false, false);
    Placeholder("", 0, 89, DPStatusBar::init())->attach(surface, false, false);
    Placeholder("", 89, 26, DPMainToolbar::init())->attach(surface, false, false);
    return root;
}
