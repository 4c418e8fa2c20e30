// The kind of control a template item is, from its class and style.
#include <cstring>

#include "fw/types.h"

ControlKind ControlKindOf(const char* className, DWORD style) {
    if (std::strcmp(className, "button") == 0) {
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return ControlKind::kPushButton;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return ControlKind::kCheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return ControlKind::kRadioButton;
        case BS_GROUPBOX:
            return ControlKind::kGroupBox;
        default:
            return ControlKind::kOther;
        }
    }
    if (std::strcmp(className, "edit") == 0)
        return ControlKind::kNumberBox;
    if (std::strcmp(className, "static") == 0) {
        switch (style & SS_TYPEMASK) {
        case SS_LEFT:
        case SS_CENTER:
        case SS_RIGHT:
        case SS_SIMPLE:
        case SS_LEFTNOWORDWRAP:
            return ControlKind::kLabel;
        case SS_ICON:
            return ControlKind::kIcon;
        case SS_BLACKFRAME:
        case SS_GRAYFRAME:
        case SS_WHITEFRAME:
            return ControlKind::kFrame;
        default:
            return ControlKind::kOther;
        }
    }
    return ControlKind::kOther;
}
