#include "core/ui/ActivityLook.h"

#include "core/ui/Colours.h"


namespace vantry {

ChromePictures ActivityLook::activePictures() { return {"EX1", "MIN1", "HELP1"}; }
ChromePictures ActivityLook::inactivePictures() { return {"EXD", "MIND", "HELPD"}; }

ActivityLook::Update ActivityLook::onActivity(bool active) {
    Update update{active ? colour::Orange : colour::DimOrange, std::nullopt};
    if (active != wasActive_)
        update.pictures = active ? activePictures() : inactivePictures();
    wasActive_ = active;
    return update;
}

}  // namespace vantry
