// Data exchange between a dialog's record and its controls.
#pragma once

#include "fw/wnd.h"

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate; // true: controls to record
    CWnd* m_pDlgWnd;
};

// A number box as a decimal integer.
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// A check box as 0 or 1.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A radio group, starting at nIDC and ending before the next control that
// starts a group, as the index of its checked button.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
