// Modal dialogs from templates in the program's resources.
#pragma once

#include "fw/wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally. Without a parent, the window in front owns
    // it and stays disabled until the run ends. Returns the EndDialog value,
    // or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Pushes the record to the controls; true gives the focus to the first
    // control that takes it.
    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);

    UINT GetTemplateId() const { return m_nIDTemplate; }

protected:
    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    void* m_pBackend = nullptr; // what the backend keeps for a running dialog

    DECLARE_MESSAGE_MAP()
    friend class CWndBackend;
};
