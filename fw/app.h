// The application object.
#pragma once

#include "fw/wnd.h"

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* lpszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    HICON LoadIcon(UINT nIDResource) const;
    // The platform's three-dimensional control look; on by default here.
    BOOL Enable3dControls() { return TRUE; }

    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName;

protected:
    void OnHelp();
};

CWinApp* AfxGetApp();
// Hosting of embedded controls in dialogs; the templates have none.
void AfxEnableControlContainer();
