#include "window_query.h"

namespace e2e {

std::vector<HWND> childWindows(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child && children.size() < 1000;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

std::string windowText(HWND window) {
    char text[512] = "";
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                             SMTO_NORMAL, 2000, &length))
        return "<no answer>";
    return std::string(text, length < sizeof text ? length : sizeof text - 1);
}

std::string windowClass(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

RECT rectInParent(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE clientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

POINT centreOnScreen(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool buttonChecked(HWND button) {
    DWORD_PTR state = 0;
    SendMessageTimeoutA(button, BM_GETCHECK, 0, 0, SMTO_NORMAL, 2000, &state);
    return state == BST_CHECKED;
}

bool findCaptionPart(HWND window, LRESULT hitCode, POINT* middle) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int y = frame.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    LONG first = frame.right;
    LONG last = frame.left - 1;
    for (LONG x = frame.left; x < frame.right; x += 2) {
        DWORD_PTR hit = 0;
        if (SendMessageTimeoutA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_NORMAL, 2000,
                                &hit) &&
            static_cast<LRESULT>(hit) == hitCode) {
            first = x < first ? x : first;
            last = x;
        }
    }
    if (last < first)
        return false;
    *middle = {(first + last) / 2, y};
    return true;
}

std::vector<ControlState> controlStates(HWND parent) {
    std::vector<ControlState> states;
    for (HWND child : childWindows(parent)) {
        ControlState state{windowText(child), rectInParent(child), IsWindowEnabled(child) != 0,
                           IsWindowVisible(child) != 0, 0};
        DWORD_PTR check = 0;
        if (windowClass(child) == "Button" &&
            SendMessageTimeoutA(child, BM_GETCHECK, 0, 0, SMTO_NORMAL, 2000, &check))
            state.check = static_cast<LRESULT>(check);
        states.push_back(state);
    }
    return states;
}

std::string describeDifference(const std::vector<ControlState>& before,
                               const std::vector<ControlState>& after) {
    if (before.size() != after.size())
        return std::to_string(before.size()) + " controls before, " + std::to_string(after.size()) +
               " after";
    std::string report;
    for (size_t i = 0; i < before.size(); ++i) {
        const ControlState& a = before[i];
        const ControlState& b = after[i];
        if (a.text != b.text || !sameRect(a.rect, b.rect) || a.enabled != b.enabled ||
            a.visible != b.visible || a.check != b.check)
            report += "control " + std::to_string(i + 1) + " \"" + a.text + "\" changed; ";
    }
    return report;
}

std::string rectText(const RECT& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ")-(" +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

bool sameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace e2e
