#include "app/play_again_dlg.h"

#include "res/resource.h"

BEGIN_MESSAGE_MAP(CPlayAgainDlg, CDialog)
END_MESSAGE_MAP()

CPlayAgainDlg::CPlayAgainDlg(CWnd* pParent) : CDialog(IDD_PLAYAGAIN, pParent) {}

void CPlayAgainDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
}

void CPlayAgainDlg::OnOK() {
    CDialog::OnOK();
}

void CPlayAgainDlg::OnCancel() {
    CDialog::OnCancel();
}
