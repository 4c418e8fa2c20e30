// Walks a dialog template resource, classic (DLGTEMPLATE) or extended
// (DLGTEMPLATEEX), into plain fields, so the simulated backend and the tests
// can build and check windows from the same bytes the platform would use.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DlgItemTemplate {
    uint32_t style = 0, exStyle = 0, helpId = 0;
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    int id = 0;                       // -1 for 0xFFFF / 0xFFFFFFFF
    std::string className; // "button", "edit", "static", "listbox", "scrollbar", "combobox"
                           // for the predefined classes, else the name as written
    std::string text;      // empty when the title is a resource number
    int textOrdinal = -1;  // that resource number (the icon of an icon control), else -1
};

struct DlgTemplate {
    bool extended = false;
    uint32_t style = 0, exStyle = 0, helpId = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    int menuOrdinal = -1;
    std::string menuName, className, caption;
    int pointSize = 0, weight = 0; // the font block is there only with DS_SETFONT
    bool italic = false;
    int charset = 0;
    std::string faceName;
    std::vector<DlgItemTemplate> items; // in template order
};

// False on truncated or malformed input, leaving out untouched; never reads
// out of bounds.
bool ParseDlgTemplate(const uint8_t* data, size_t size, DlgTemplate& out);
