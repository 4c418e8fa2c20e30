#include "fw/msgmap.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

static bool Matches(const AFX_MSGMAP_ENTRY& e, const AFX_MSG& msg) {
    if (e.nMessage != msg.message)
        return false;
    if (msg.message != WM_COMMAND)
        return true;
    // A command carries its id in the low word and its code in the high one.
    return e.nID == (UINT)(msg.wParam & 0xFFFF) && e.nCode == (UINT)((msg.wParam >> 16) & 0xFFFF);
}

bool CCmdTarget::DispatchToMap(const AFX_MSG& msg, LRESULT* result) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map;
         map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn; ++e) {
            if (Matches(*e, msg)) {
                *result = e->pfn(this, msg);
                return true;
            }
        }
    }
    return false;
}
