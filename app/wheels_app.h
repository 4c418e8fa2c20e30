// The application: runs the first game window.
#pragma once

#include "fw/afxwin.h"

class CWheelsApp : public CWinApp {
public:
    CWheelsApp();
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CWheelsApp theApp;
