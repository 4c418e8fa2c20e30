#include "fw/common/dlg_template.h"

#include "fw/common/res_types.h"

namespace {

// Classes written as numbers are the platform's predefined ones.
std::string ClassName(const ResId& cls) {
    switch (cls.ordinal) {
    case -1:
        return cls.name;
    case 0x80:
        return "button";
    case 0x81:
        return "edit";
    case 0x82:
        return "static";
    case 0x83:
        return "listbox";
    case 0x84:
        return "scrollbar";
    case 0x85:
        return "combobox";
    default:
        return "#" + std::to_string(cls.ordinal);
    }
}

int ControlId(uint32_t raw) {
    return raw == 0xFFFF || raw == 0xFFFFFFFF ? -1 : int(raw);
}

// One control. Each starts on a DWORD boundary; the two formats differ in the
// order of the leading fields and in the width of the id.
bool ReadItem(ResReader& r, bool extended, DlgItemTemplate& item) {
    r.AlignTo4();
    if (extended) {
        item.helpId = r.U32();
        item.exStyle = r.U32();
        item.style = r.U32();
    } else {
        item.style = r.U32();
        item.exStyle = r.U32();
    }
    item.x = r.S16();
    item.y = r.S16();
    item.cx = r.S16();
    item.cy = r.S16();
    item.id = ControlId(extended ? r.U32() : r.U16());
    item.className = ClassName(r.SzOrOrd());
    ResId title = r.SzOrOrd();
    item.text = title.name;
    item.textOrdinal = title.ordinal;
    r.Skip(r.U16()); // creation data, preceded by its size in bytes
    return r.ok();
}

} // namespace

bool ParseDlgTemplate(const uint8_t* data, size_t size, DlgTemplate& out) {
    ResReader r(data, size);
    DlgTemplate dlg;
    // An extended template opens with version 1 and the signature 0xFFFF.
    dlg.extended =
        data && size >= 4 && data[0] == 1 && data[1] == 0 && data[2] == 0xFF && data[3] == 0xFF;
    if (dlg.extended) {
        r.Skip(4);
        dlg.helpId = r.U32();
        dlg.exStyle = r.U32();
        dlg.style = r.U32();
    } else {
        dlg.style = r.U32();
        dlg.exStyle = r.U32();
    }
    uint16_t count = r.U16();
    dlg.x = r.S16();
    dlg.y = r.S16();
    dlg.cx = r.S16();
    dlg.cy = r.S16();
    ResId menu = r.SzOrOrd();
    dlg.menuOrdinal = menu.ordinal;
    dlg.menuName = menu.name;
    ResId cls = r.SzOrOrd();
    dlg.className = cls.ordinal < 0 ? cls.name : "#" + std::to_string(cls.ordinal);
    dlg.caption = r.Sz();
    if (dlg.style & kDsSetFont) {
        dlg.pointSize = r.U16();
        if (dlg.extended) {
            dlg.weight = r.U16();
            dlg.italic = r.U8() != 0;
            dlg.charset = r.U8();
        }
        dlg.faceName = r.Sz();
    }
    if (!r.ok())
        return false;
    for (uint16_t i = 0; i < count; ++i) {
        DlgItemTemplate item;
        if (!ReadItem(r, dlg.extended, item))
            return false;
        dlg.items.push_back(std::move(item));
    }
    out = std::move(dlg);
    return true;
}
