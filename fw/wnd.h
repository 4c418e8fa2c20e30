// Windows and controls.
#pragma once

#include <string>

#include "fw/gdi.h"
#include "fw/menu.h"
#include "fw/msgmap.h"
#include "fw/types.h"

class CDataExchange;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    ~CWnd() override = default;

    // The framework object of a window: the dialog itself, or one of its
    // controls. Null for a window the framework does not know.
    static CWnd* FromHandle(HWND hWnd);
    HWND GetSafeHwnd() const { return m_hWnd; }

    // Controls, by id; null when the dialog has no such control.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const;
    // The next window in the stacking (template) order, or null.
    CWnd* GetNextWindow() const;
    DWORD GetStyle() const;
    bool IsRadioButton() const;

    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    void SetWindowText(const char* text);
    std::string GetWindowText() const;
    void SetCheck(int nCheck);
    int GetCheck() const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Queues the message for the window; it is handled when a loop takes it.
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // The control or window with the keyboard focus, or null.
    static CWnd* GetFocus();
    // The whole client area needs painting: a paint request, when nothing
    // else waits.
    void Invalidate();
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    CMenu* GetSystemMenu(BOOL bRevert);
    BOOL IsIconic() const;
    void GetClientRect(RECT* rect) const;

    // The surface of this window for one drawing; give it back at once.
    CDC* GetDC();
    int ReleaseDC(CDC* pDC);

    // Moves the record to the controls (false) or back (true).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    // Routes a message of this window through the message maps; the
    // backends call it for every message. False when no entry handled it.
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // The platform's default handling of the message being handled now.
    LRESULT Default();

    HWND m_hWnd = nullptr;

protected:
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

    AFX_MSG m_currentMsg = {0, 0, 0}; // raw, for Default()
    CMenu m_sysMenu;                  // wrapper handed out by GetSystemMenu

    friend class CWndBackend;
};
