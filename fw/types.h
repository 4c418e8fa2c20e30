// Basic types and platform constants of the framework layer.
//
// Game code sees only these. The Win32 backend includes <windows.h> before
// any framework header, and then the platform's own definitions are used;
// the values here are the platform's, so both agree.
#pragma once

#include <cstdint>

#ifndef _WINDOWS_
typedef int BOOL;
typedef unsigned int UINT;
typedef unsigned long DWORD;
typedef unsigned short WORD;
typedef std::uintptr_t WPARAM;
#if defined(_WIN32) && !defined(_WIN64)
// The platform's LONG_PTR is long on 32-bit Windows, not int: the types must
// be the same for code built with and without the platform's headers.
typedef long LPARAM;
typedef long LRESULT;
#else
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
#endif
typedef std::intptr_t INT_PTR;
typedef std::uintptr_t UINT_PTR;
typedef DWORD COLORREF;

typedef struct HWND__* HWND;
typedef struct HDC__* HDC;
typedef struct HICON__* HICON;
typedef HICON HCURSOR;
typedef struct HBRUSH__* HBRUSH;
typedef struct HBITMAP__* HBITMAP;
typedef struct HINSTANCE__* HINSTANCE;
typedef struct HMENU__* HMENU;

// Tagged as in the platform's headers, so that both name the same type.
typedef struct tagPOINT {
    long x, y;
} POINT;
typedef struct tagRECT {
    long left, top, right, bottom;
} RECT;

#define TRUE 1
#define FALSE 0
#define RGB(r, g, b)                                                                               \
    ((COLORREF)(((DWORD)(r)&0xFF) | (((DWORD)(g)&0xFF) << 8) | (((DWORD)(b)&0xFF) << 16)))

#define IDOK 1
#define IDCANCEL 2

#define WM_ICONERASEBKGND 0x0027
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUERYDRAGICON 0x0037
#define WM_SETICON 0x0080
#define WM_INITDIALOG 0x0110
#define WM_COMMAND 0x0111
#define WM_SYSCOMMAND 0x0112
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define BN_CLICKED 0
#define WM_CTLCOLORMSGBOX 0x0132
#define WM_CTLCOLORSTATIC 0x0138

#define ICON_SMALL 0
#define ICON_BIG 1

#define SC_MOVE 0xF010
#define SC_MINIMIZE 0xF020
#define SC_CLOSE 0xF060
#define SC_RESTORE 0xF120

#define MF_BYCOMMAND 0x00000000
#define MF_STRING 0x00000000
#define MF_SEPARATOR 0x00000800

#define SM_CXICON 11
#define SM_CYICON 12

#define CTLCOLOR_MSGBOX 0
#define CTLCOLOR_EDIT 1
#define CTLCOLOR_LISTBOX 2
#define CTLCOLOR_BTN 3
#define CTLCOLOR_DLG 4
#define CTLCOLOR_SCROLLBAR 5
#define CTLCOLOR_STATIC 6

#define ILC_MASK 0x0001
#define ILC_COLOR24 0x0018
#define ILD_NORMAL 0x0000

// Window and control styles of the dialog templates.
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_DISABLED 0x08000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_MINIMIZEBOX 0x00020000L // on a window; the same bit is WS_GROUP on a control
#define WS_TABSTOP 0x00010000L
#define DS_SETFONT 0x0040L
#define DS_MODALFRAME 0x0080L
#define DS_CENTER 0x0800L
#define WS_EX_STATICEDGE 0x00020000L
#define WS_EX_APPWINDOW 0x00040000L
#define WS_EX_TRANSPARENT 0x00000020L

#define BS_PUSHBUTTON 0x0L // the low four bits: the kind of button
#define BS_DEFPUSHBUTTON 0x1L
#define BS_CHECKBOX 0x2L
#define BS_AUTOCHECKBOX 0x3L
#define BS_RADIOBUTTON 0x4L
#define BS_3STATE 0x5L
#define BS_AUTO3STATE 0x6L
#define BS_GROUPBOX 0x7L
#define BS_AUTORADIOBUTTON 0x9L
#define BS_TYPEMASK 0x0FL

#define SS_LEFT 0x0L // the low five bits: the kind of static control
#define SS_CENTER 0x1L
#define SS_RIGHT 0x2L
#define SS_ICON 0x3L
#define SS_BLACKFRAME 0x7L
#define SS_GRAYFRAME 0x8L
#define SS_WHITEFRAME 0x9L
#define SS_SIMPLE 0xBL
#define SS_LEFTNOWORDWRAP 0xCL
#define SS_TYPEMASK 0x1FL
#define SS_NOPREFIX 0x80L
#define SS_NOTIFY 0x100L
#define SS_CENTERIMAGE 0x200L
#define SS_REALSIZEIMAGE 0x800L

#define ES_CENTER 0x1L
#define ES_RIGHT 0x2L
#define ES_AUTOHSCROLL 0x80L
#define ES_READONLY 0x800L
#define ES_NUMBER 0x2000L

#define MF_BYPOSITION 0x00000400
#define SC_SIZE 0xF000
#define SC_MAXIMIZE 0xF030

#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_F4 0x73
#endif

// The kinds of control the templates hold, from their class and style
// (the platform has no such list: its classes draw themselves).
enum class ControlKind {
    kPushButton,
    kCheckBox,
    kRadioButton,
    kGroupBox,
    kLabel,
    kNumberBox,
    kFrame,
    kIcon,
    kOther
};
ControlKind ControlKindOf(const char* className, DWORD style);

// The control-colour request of every kind of control, as one message
// (the platform sends one message per kind; the framework folds them).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

#define ID_HELP 0xE146
