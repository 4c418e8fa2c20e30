// The end-of-game dialog: "Play Again" or "Exit".
#pragma once

#include "fw/afxwin.h"

class CPlayAgainDlg : public CDialog {
public:
    explicit CPlayAgainDlg(CWnd* pParent = nullptr);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()
};
