#include "fw/hosted/program_resources.h"

#include <map>
#include <set>

#include "fw/afxwin.h"
#include "fw/common/dib.h"

namespace {

std::set<BitmapBits*>& Bitmaps() {
    static std::set<BitmapBits*> bitmaps;
    return bitmaps;
}

} // namespace

// The compiled resource file's bytes, which the backend's embedded_res.cpp
// builds into the program.
extern "C" const uint8_t quintaro_res_begin[] asm("quintaro_res_begin");
extern "C" const uint8_t quintaro_res_end[] asm("quintaro_res_end");

const ResourceList& ProgramResources() {
    static ResourceList list;
    static bool parsed = false;
    if (!parsed) {
        parsed = true;
        if (!ParseResFile(quintaro_res_begin, size_t(quintaro_res_end - quintaro_res_begin), list))
            list.clear();
    }
    return list;
}

// Found at once: start-up looks up some two thousand.
const ResourceEntry* FindProgramResource(int type, UINT id) {
    static const std::map<std::pair<int, int>, const ResourceEntry*> index = [] {
        std::map<std::pair<int, int>, const ResourceEntry*> made;
        for (const ResourceEntry& entry : ProgramResources())
            if (entry.type.ordinal >= 0 && entry.name.ordinal >= 0)
                made.emplace(std::make_pair(entry.type.ordinal, entry.name.ordinal), &entry);
        return made;
    }();
    auto it = index.find({type, int(id)});
    return it == index.end() ? nullptr : it->second;
}

bool LoadDialogTemplate(UINT id, DlgTemplate& out) {
    const ResourceEntry* entry = FindProgramResource(kRtDialog, id);
    return entry && ParseDlgTemplate(entry->data.data(), entry->data.size(), out);
}

const BitmapBits* BitmapOf(HBITMAP bitmap) {
    BitmapBits* bits = reinterpret_cast<BitmapBits*>(bitmap);
    return Bitmaps().count(bits) ? bits : nullptr;
}

// The one program holds every resource.
HINSTANCE AfxFindResourceHandle(UINT, UINT) {
    static char program;
    return reinterpret_cast<HINSTANCE>(&program);
}

HBITMAP AfxLoadBitmap(HINSTANCE hInst, UINT nID) {
    const ResourceEntry* entry = hInst ? FindProgramResource(kRtBitmap, nID) : nullptr;
    if (!entry)
        return nullptr;
    // Start-up loads some two thousand bitmaps: only the header is read now.
    int width = 0, height = 0;
    if (!DibSize(entry->data.data(), entry->data.size(), width, height))
        return nullptr;
    BitmapBits* bits = new BitmapBits{entry->data.data(), entry->data.size(), width, height};
    Bitmaps().insert(bits);
    return reinterpret_cast<HBITMAP>(bits);
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject)
        return FALSE;
    BitmapBits* bits = reinterpret_cast<BitmapBits*>(m_hObject);
    m_hObject = nullptr;
    if (!Bitmaps().erase(bits))
        return FALSE;
    delete bits;
    return TRUE;
}

BOOL CString::LoadString(UINT nID) {
    *this = CString(LoadStringResource(ProgramResources(), int(nID)).c_str());
    return !IsEmpty();
}

// Icons are shared: one per resource, never freed.
std::map<UINT, IconImages*>& Icons() {
    static std::map<UINT, IconImages*> icons;
    return icons;
}

HICON LoadIconResource(UINT id) {
    auto it = Icons().find(id);
    if (it == Icons().end()) {
        const ResourceEntry* group = FindProgramResource(kRtGroupIcon, id);
        IconImages* icon = group ? ReadIcon(*group) : nullptr;
        if (!icon)
            return nullptr;
        it = Icons().emplace(id, icon).first;
    }
    return reinterpret_cast<HICON>(it->second);
}

const IconImages* IconOf(HICON icon) {
    for (const auto& entry : Icons())
        if (reinterpret_cast<HICON>(entry.second) == icon)
            return entry.second;
    return nullptr;
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIconResource(nIDResource);
}
