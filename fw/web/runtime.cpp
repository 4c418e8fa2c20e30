// The program's entry point and its process-level services: sleep, the
// immediate exit, the C runtime's generator, time and the system metrics.
// A sleep hands the browser its turn and resumes where it was (Asyncify).
#include <ctime>

#include <emscripten.h>

#include "fw/web/page.h"
#include "fw/web/surface.h"

void AfxSleep(DWORD milliseconds) {
    ShowPictures();
    emscripten_sleep(milliseconds);
}

// The runtime ends at once, from any depth: the page takes the game's
// windows away and says so.
void AfxExit(int status) {
    emscripten_force_exit(status);
}

int main() {
    qw_start(dlgmgr::kFaceColor);
    if (CWinApp* app = AfxGetApp())
        app->InitInstance();
    AfxExit(0);
}
