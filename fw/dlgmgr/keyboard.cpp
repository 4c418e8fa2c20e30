// The keyboard and the buttons: each dialog's focus, the keys the dialog
// manager handles in a modal loop (Tab, the arrows, Enter, Escape, a
// control's mnemonic, Alt+F4), and Space, which a focused button handles
// itself and so also inside the one-message pump.
#include <algorithm>
#include <cctype>

#include "fw/dlgmgr/state.h"

namespace dlgmgr {

using namespace internal;

namespace {

bool TakesFocus(const Window* c) {
    if (!c->enabled || !(c->style & WS_VISIBLE))
        return false;
    switch (c->kind) {
    case ControlKind::kPushButton:
    case ControlKind::kCheckBox:
    case ControlKind::kRadioButton:
    case ControlKind::kNumberBox:
        return true;
    default:
        return false;
    }
}

// The dialog keys move the focus as the platform's next-control message
// does: a push button reached that way takes the default look from the
// button that had it.
void MoveFocus(Window* dlg, Window* to) {
    if (to->kind == ControlKind::kPushButton && !to->defaultLook) {
        for (Window* c : dlg->controls)
            c->defaultLook = false;
        to->defaultLook = true;
    }
    SetFocus(dlg, to);
}

size_t IndexOf(const Window* dlg, HWND control) {
    for (size_t i = 0; i < dlg->controls.size(); ++i)
        if (dlg->controls[i]->hwnd == control)
            return i;
    return dlg->controls.size();
}

// The next (or previous) control after `from`, wrapping round, among those
// `eligible` accepts; null when none.
template <class Eligible>
Window* NextFrom(const Window* dlg, size_t from, bool previous, Eligible eligible) {
    const size_t n = dlg->controls.size();
    for (size_t step = 1; step <= n; ++step) {
        const size_t i = previous ? (from + n * 2 - step) % n : (from + step) % n;
        if (eligible(dlg->controls[i]))
            return dlg->controls[i];
    }
    return nullptr;
}

void Tab(Window* dlg, bool previous) {
    const size_t n = dlg->controls.size();
    if (n == 0)
        return;
    // Without a focus, Tab starts before the first control, Shift+Tab after the last.
    size_t from = IndexOf(dlg, dlg->focus);
    if (from == n)
        from = previous ? 0 : n - 1;
    if (Window* next = NextFrom(dlg, from, previous, [](const Window* c) {
            return (c->style & WS_TABSTOP) && TakesFocus(c);
        }))
        MoveFocus(dlg, next);
}

// The group of a control runs from the control that starts it (WS_GROUP, or
// the first control) to the one before the next start. An edit box keeps
// its arrows.
void Arrow(Window* dlg, bool previous) {
    const size_t at = IndexOf(dlg, dlg->focus);
    if (at == dlg->controls.size() || dlg->controls[at]->kind == ControlKind::kNumberBox)
        return;
    size_t first = at;
    while (first > 0 && !(dlg->controls[first]->style & WS_GROUP))
        --first;
    size_t end = at + 1;
    while (end < dlg->controls.size() && !(dlg->controls[end]->style & WS_GROUP))
        ++end;
    const size_t size = end - first;
    for (size_t step = 1; step < size; ++step) {
        const size_t offset = at - first;
        Window* c = dlg->controls[first + (previous ? offset + size - step : offset + step) % size];
        if (!TakesFocus(c))
            continue;
        MoveFocus(dlg, c);
        if ((c->style & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            c->kind == ControlKind::kRadioButton && c->check == 0)
            Click(c);
        return;
    }
}

// Enter clicks the focused push button when it has the default look, or
// else gives the default button's command unless that button is disabled;
// a dialog without one gets IDOK.
void Enter(Window* dlg) {
    Window* focus = Find(dlg->focus);
    if (focus && focus->kind == ControlKind::kPushButton && focus->defaultLook) {
        Click(focus);
        return;
    }
    const int id = dlg->defId ? dlg->defId : IDOK;
    Window* button = ControlOf(dlg, id);
    if (dlg->defId && button && !button->enabled)
        return;
    Send(dlg, WM_COMMAND, ClickedCommand(id),
         reinterpret_cast<LPARAM>(button ? button->hwnd : nullptr));
}

void Escape(Window* dlg) {
    Window* cancel = ControlOf(dlg, IDCANCEL);
    Send(dlg, WM_COMMAND, ClickedCommand(IDCANCEL),
         reinterpret_cast<LPARAM>(cancel ? cancel->hwnd : nullptr));
}

// The letter a control's text marks with '&', lower case; 0 for none.
int MnemonicOf(const Window* c) {
    const std::string& t = c->text;
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i] != '&')
            continue;
        if (t[i + 1] != '&')
            return std::tolower(static_cast<unsigned char>(t[i + 1]));
        ++i;
    }
    return 0;
}

// A letter, with Alt or without: the next button after the focus whose text
// marks it takes the focus; a push button is clicked, a check box or radio
// button clicked as well.
bool Mnemonic(Window* dlg, int key) {
    const int letter = std::tolower(key);
    if (!std::isalnum(letter))
        return false;
    const size_t from = std::min(IndexOf(dlg, dlg->focus), dlg->controls.size() - 1);
    Window* c = NextFrom(dlg, from, false, [letter](const Window* w) {
        return TakesFocus(w) && w->kind != ControlKind::kNumberBox && MnemonicOf(w) == letter;
    });
    if (!c)
        return false;
    MoveFocus(dlg, c);
    Click(c);
    return true;
}

// Space pushes the focused button and clicks it on release, unless it was
// disabled, or its window left the front, in between.
void Space(Window* dlg, bool down) {
    Window* focus = Find(dlg->focus);
    const bool button = focus && (focus->kind == ControlKind::kPushButton ||
                                  focus->kind == ControlKind::kCheckBox ||
                                  focus->kind == ControlKind::kRadioButton);
    if (down) {
        if (button && ClickMayReach(focus))
            S().capture = focus->hwnd;
        return;
    }
    if (button && S().capture == focus->hwnd) {
        S().capture = nullptr;
        if (ClickMayReach(focus))
            Click(focus);
    }
}

// Auto check boxes and auto radio buttons change their own check before the
// click reports; a radio button unchecks the others of its group.
void ToggleSelf(Window* button) {
    const DWORD type = button->style & BS_TYPEMASK;
    if (button->kind == ControlKind::kCheckBox && type == BS_AUTOCHECKBOX) {
        button->object->SetCheck(button->check ? 0 : 1);
    } else if (button->kind == ControlKind::kRadioButton && type == BS_AUTORADIOBUTTON) {
        const std::vector<Window*>& all = button->dialog->controls;
        size_t first = IndexOf(button->dialog, button->hwnd);
        while (first > 0 && !(all[first]->style & WS_GROUP))
            --first;
        for (size_t i = first; i < all.size() && (i == first || !(all[i]->style & WS_GROUP)); ++i)
            if (all[i] != button && all[i]->kind == ControlKind::kRadioButton)
                all[i]->object->SetCheck(0);
        button->object->SetCheck(1);
    }
}

} // namespace

void Click(Window* control) {
    ToggleSelf(control);
    Send(control->dialog, WM_COMMAND, ClickedCommand(control->id),
         reinterpret_cast<LPARAM>(control->hwnd));
}

namespace internal {

void SetFocus(Window* dlg, Window* control) {
    const HWND focus = control ? control->hwnd : nullptr;
    if (dlg->focus == focus)
        return;
    dlg->focus = focus;
    Notify(dlg, Change::Focus);
}

void SetFirstFocus(Window* dlg) {
    Window* first = nullptr;
    for (Window* c : dlg->controls)
        if ((c->style & WS_TABSTOP) && TakesFocus(c)) {
            first = c;
            break;
        }
    SetFocus(dlg, first);
}

void HandleKey(Window* dlg, int vk, bool down, bool dialogKeys) {
    const bool shift = (vk & kShift) != 0, alt = (vk & kAlt) != 0;
    const int key = vk & 0xFFFF;
    if (key == VK_SPACE && !alt)
        Space(dlg, down);
    if (!down)
        return;
    // Alt+F4 is the window's own key: the close command, in a loop or not.
    if (alt && key == VK_F4) {
        Send(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        return;
    }
    if (!dialogKeys)
        return; // the pump hands keys on without the dialog manager
    switch (key) {
    case VK_TAB:
        Tab(dlg, shift);
        break;
    case VK_LEFT:
    case VK_UP:
        Arrow(dlg, true);
        break;
    case VK_RIGHT:
    case VK_DOWN:
        Arrow(dlg, false);
        break;
    case VK_RETURN:
        Enter(dlg);
        break;
    case VK_ESCAPE:
        Escape(dlg);
        break;
    default: {
        // A focused edit box takes plain letters itself.
        const Window* focus = Find(dlg->focus);
        if (alt || !focus || focus->kind != ControlKind::kNumberBox)
            Mnemonic(dlg, key);
        break;
    }
    }
}

} // namespace internal

} // namespace dlgmgr
