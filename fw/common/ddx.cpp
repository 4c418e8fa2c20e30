#include "fw/ddx.h"

#include <cstdlib>
#include <string>

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    CWnd* ctrl = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (!ctrl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = std::atoi(ctrl->GetWindowText().c_str());
    else
        ctrl->SetWindowText(std::to_string(value).c_str());
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    CWnd* ctrl = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (!ctrl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = ctrl->GetCheck();
    else
        ctrl->SetCheck(value);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    CWnd* ctrl = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (!ctrl)
        return;
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC up to the next control that starts a group;
    // only radio buttons count towards the index.
    int index = 0;
    do {
        if (ctrl->IsRadioButton()) {
            if (pDX->m_bSaveAndValidate) {
                if (ctrl->GetCheck())
                    value = index;
            } else {
                ctrl->SetCheck(index == value);
            }
            ++index;
        }
        ctrl = ctrl->GetNextWindow();
    } while (ctrl && !(ctrl->GetStyle() & WS_GROUP));
}
