#include "app/wheels_app.h"

#include "game/wheels_dlg.h"

BEGIN_MESSAGE_MAP(CWheelsApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
END_MESSAGE_MAP()

CWheelsApp::CWheelsApp() {}

CWheelsApp theApp;

// Returns false so that the program ends when the game window's run ends,
// which in play it never does: its cancel action ends the process itself.
BOOL CWheelsApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControls();

    CWheelsDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}
