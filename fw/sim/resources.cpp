// Resources from the compiled .res of the build: templates, the string
// table, icons and bitmaps.
#include "fw/common/dib.h"
#include "fw/common/res_file.h"
#include "fw/sim/sim_state.h"

#ifndef QUINTARO_RES_FILE
#define QUINTARO_RES_FILE ""
#endif

namespace {

using namespace sim::internal;

// Read once; a file that cannot be read leaves every resource missing.
const ResourceList& List() {
    static const ResourceList list = [] {
        ResourceList read;
        if (!ReadResFile(QUINTARO_RES_FILE, read))
            read.clear();
        return read;
    }();
    return list;
}

const ResourceEntry* FindEntry(int type, UINT id) {
    return FindResource(List(), type, int(id));
}

// Icons are shared: one handle per resource, the same for every load.
constexpr uintptr_t kIconBase = 0x7100000;

} // namespace

namespace sim::internal {

bool LoadDialogTemplate(UINT id, DlgTemplate& out) {
    const ResourceEntry* entry = FindEntry(kRtDialog, id);
    return entry && ParseDlgTemplate(entry->data.data(), entry->data.size(), out);
}

} // namespace sim::internal

namespace sim {

int IconResource(HICON icon) {
    const uintptr_t value = reinterpret_cast<uintptr_t>(icon);
    if (value <= kIconBase || value > kIconBase + 0xFFFF)
        return -1;
    return int(value - kIconBase);
}

} // namespace sim

BOOL CString::LoadString(UINT nID) {
    m_text = LoadStringResource(List(), int(nID));
    return !m_text.empty();
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    if (nIDResource == 0 || nIDResource > 0xFFFF || !FindEntry(kRtGroupIcon, nIDResource))
        return nullptr;
    return reinterpret_cast<HICON>(kIconBase + nIDResource);
}

// The one module holds every resource; like the framework, the lookup
// answers the program's module whether or not the resource is there.
HINSTANCE AfxFindResourceHandle(UINT, UINT) {
    static char module;
    return reinterpret_cast<HINSTANCE>(&module);
}

HBITMAP AfxLoadBitmap(HINSTANCE hInst, UINT nID) {
    const ResourceEntry* entry =
        hInst && !sim::NoRoomForPictures::on ? FindEntry(kRtBitmap, nID) : nullptr;
    int width = 0, height = 0;
    if (!entry || !DibSize(entry->data.data(), entry->data.size(), width, height))
        return nullptr;
    HBITMAP handle = reinterpret_cast<HBITMAP>(NewHandle());
    S().bitmaps[handle] = Bitmap{int(nID), width, height};
    ++S().bitmapsLoaded;
    return handle;
}
