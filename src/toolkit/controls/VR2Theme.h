#pragma once

#include "platform/Dictionary.h"
#include "platform/FourCC.h"
#include "platform/Object.h"
#include "platform/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class VR2Graphics;

// The base of every theme: draws named parts for the controls through
// PerformDrawPart, which a theme subclass implements, and answers per-part
// information by four-character selector, asked of the subclass once and then
// served from a cache until FlushCache.
class VR2Theme : public platform::Object {
public:
    using Ref = std::shared_ptr<VR2Theme>;
    // The positional parameters of one part.
    using Params = std::vector<platform::Variant>;

    // Selectors of the information every theme has for the part "text".
    static constexpr int32_t kRegularFontName = platform::FourCC("rgfn");
    static constexpr int32_t kRegularFontSize = platform::FourCC("rgfz");
    static constexpr int32_t kSmallFontName = platform::FourCC("smfn");
    static constexpr int32_t kSmallFontSize = platform::FourCC("smfz");

    // A theme that knows no part.
    static Ref Create() { return Ref(new VR2Theme()); }

    // The element at index; nil past either end, so a short array reads as nils.
    static platform::Variant getParam(const Params& params, int32_t index);
    void FlushCache();
    // True with value set when the part's information under selector is
    // cached, supplied by the subclass or built in; else false, value untouched.
    bool getPartInfo(const std::string& part, int32_t selector, platform::Variant& value);
    // What PerformDrawPart answers: false for a part the theme does not know.
    bool DrawPart(const std::shared_ptr<VR2Graphics>& g, const std::string& part, int32_t state,
                  const Params& params);

protected:
    VR2Theme();

    // Events for theme subclasses; the defaults know nothing.
    virtual bool PerformDrawPart(const std::shared_ptr<VR2Graphics>& /*g*/, const std::string& /*part*/,
                                 int32_t /*state*/, const Params& /*params*/)
    {
        return false;
    }
    virtual bool ProvidePartInfo(const std::string& /*part*/, int32_t /*selector*/, platform::Variant& /*value*/)
    {
        return false;
    }

private:
    // Part name -> Dictionary of selector -> information.
    platform::Dictionary::Ref mCacheObjectTable;
};

// The part names the controls ask the theme for.
namespace themeparts {
inline const std::string kPushButton = "push_button";
inline const std::string kCheckbox = "checkbox";
inline const std::string kRadioButton = "radio_button";
inline const std::string kPopupMenu = "popup_menu";
inline const std::string kScrollBar = "scroll_bar";
inline const std::string kColorButton = "std_colrbtn";
inline const std::string kText = "text";
}  // namespace themeparts
