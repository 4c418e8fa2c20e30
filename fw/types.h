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

#define WS_GROUP 0x00020000L
#endif

// The control-colour request of every kind of control, as one message
// (the platform sends one message per kind; the framework folds them).
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

#define ID_HELP 0xE146
