// How long a modal child takes to close over a window that runs a sleep
// loop, without the game: a dialog whose handler turns a frame loop the way a
// spinning wheel does (wait no time for messages, sleep the delay, handle at
// most one message), a modal child opened from inside that loop, and OK
// pressed on the child. Prints how long EndDialog took and when the loop's
// first frame after OK came.
//
//   modal_close_probe.exe [frame delay in ms, default 230]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr UINT kStartLoop = WM_APP;
constexpr UINT kOpenChild = WM_APP + 1;
constexpr int kFramesBeforeChild = 3;
constexpr int kFramesAfterChild = 3;
constexpr UINT kChildShowsMs = 500;

DWORD frameDelayMs = 230;
double okAt = 0;
double endDialogMs = 0;
double childReturnedAt = 0;

double nowMs() {
    LARGE_INTEGER frequency{}, now{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// A dialog template in memory: a captioned popup, and an OK button if asked.
std::vector<WORD> dialogTemplate(const wchar_t* caption, bool withOk) {
    std::vector<WORD> t;
    auto dword = [&](DWORD value) {
        t.push_back(LOWORD(value));
        t.push_back(HIWORD(value));
    };
    auto text = [&](const wchar_t* s) {
        do
            t.push_back(static_cast<WORD>(*s));
        while (*s++);
    };
    dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_CENTER);
    dword(0);
    t.push_back(withOk ? 1 : 0);
    for (short v : {0, 0, withOk ? 120 : 220, withOk ? 50 : 120})
        t.push_back(static_cast<WORD>(v));
    t.push_back(0); // no menu
    t.push_back(0); // the dialog class
    text(caption);
    if (withOk) {
        if (t.size() % 2)
            t.push_back(0); // items start on a DWORD boundary
        dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
        dword(0);
        for (short v : {35, 25, 50, 14, IDOK})
            t.push_back(static_cast<WORD>(v));
        t.push_back(0xFFFF);
        t.push_back(0x0080); // button
        text(L"OK");
        t.push_back(0); // no creation data
    }
    return t;
}

// The child: shows for a moment, then OK is pressed on it.
INT_PTR CALLBACK ChildProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        SetTimer(hWnd, 1, kChildShowsMs, nullptr);
        return TRUE;
    }
    if (message == WM_TIMER) {
        KillTimer(hWnd, 1);
        PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
        return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
        okAt = nowMs();
        EndDialog(hWnd, IDOK);
        endDialogMs = nowMs() - okAt;
        return TRUE;
    }
    return FALSE;
}

void runFrameLoop(HWND owner) {
    std::vector<double> frames;
    int frameAfterChild = -1;
    auto done = [&] {
        return frameAfterChild >= 0 &&
               static_cast<int>(frames.size()) >= frameAfterChild + kFramesAfterChild;
    };
    while (!done()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, 0);
        Sleep(frameDelayMs);
        frames.push_back(nowMs());
        if (childReturnedAt > 0 && frameAfterChild < 0)
            frameAfterChild = static_cast<int>(frames.size()) - 1;
        if (frames.size() == kFramesBeforeChild)
            PostMessageW(owner, kOpenChild, 0, 0);
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    std::printf("frame delay %lu ms; frames before the child came %.0f and %.0f ms apart\n",
                frameDelayMs, frames[1] - frames[0], frames[2] - frames[1]);
    std::printf("after OK: EndDialog took %.0f ms, the child's run returned at %.0f ms, the "
                "first frame came at %.0f ms, the next %.0f ms later\n",
                endDialogMs, childReturnedAt - okAt, frames[frameAfterChild] - okAt,
                frames[frameAfterChild + 1] - frames[frameAfterChild]);
}

INT_PTR CALLBACK OwnerProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        PostMessageW(hWnd, kStartLoop, 0, 0);
        return TRUE;
    case kStartLoop:
        runFrameLoop(hWnd);
        EndDialog(hWnd, 0);
        return TRUE;
    case kOpenChild: {
        const std::vector<WORD> child = dialogTemplate(L"Modal child", true);
        DialogBoxIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(child.data()), hWnd,
                                ChildProc, 0);
        childReturnedAt = nowMs();
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1)
        frameDelayMs = static_cast<DWORD>(std::atoi(argv[1]));
    const std::vector<WORD> owner = dialogTemplate(L"Sleep loop", false);
    DialogBoxIndirectParamW(nullptr, reinterpret_cast<LPCDLGTEMPLATEW>(owner.data()), nullptr,
                            OwnerProc, 0);
    return 0;
}
