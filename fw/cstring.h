// A string with resource loading.
#pragma once

#include <string>

#include "fw/types.h"

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}

    // Loads string resource nID; false (and empty) when there is none.
    BOOL LoadString(UINT nID);
    bool IsEmpty() const { return m_text.empty(); }
    int GetLength() const { return (int)m_text.size(); }
    operator const char*() const { return m_text.c_str(); }

private:
    std::string m_text;
};
