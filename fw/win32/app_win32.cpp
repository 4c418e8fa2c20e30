// The program's entry point and the application object's platform parts.
#include "fw/win32/win32.h"

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIconA(AfxFindResourceHandle(nIDResource, (UINT)(UINT_PTR)RT_GROUP_ICON),
                     MAKEINTRESOURCEA(nIDResource));
}

// The application object runs everything from InitInstance, modally; when
// that returns there is no message loop to enter and the program ends.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    CWinApp* app = AfxGetApp();
    if (app)
        app->InitInstance();
    return 0;
}
