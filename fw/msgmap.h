// Message maps: a static table per class binding window messages and
// command ids to member handlers. Each entry carries a small thunk that
// calls the handler with its own signature, so no member pointer is cast.
#pragma once

#include "fw/types.h"

class CCmdTarget;
class CDC;
class CWnd;

// One message as a handler sees it. For WM_CTLCOLOR, lParam points to an
// AFX_CTLCOLOR with the control's surface, the control and its kind.
struct AFX_MSG {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

struct AFX_CTLCOLOR {
    CDC* pDC;
    CWnd* pWnd;
    UINT nCtlColor;
};

typedef LRESULT (*AFX_THUNK)(CCmdTarget* target, const AFX_MSG& msg);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, or WM_COMMAND
    UINT nCode;    // notification code for WM_COMMAND (BN_CLICKED)
    UINT nID;      // command id for WM_COMMAND, else 0
    AFX_THUNK pfn; // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Root of every class that receives messages or commands.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Finds the first entry for the message in this class's map, then in
    // its bases' maps, and calls it. Returns false when nothing handles it.
    bool DispatchToMap(const AFX_MSG& msg, LRESULT* result);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        typedef theClass ThisClass;                                                                \
        typedef baseClass TheBaseClass;                                                            \
        static_assert(sizeof(ThisClass) > 0, "complete class");                                    \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, nullptr }                                                                           \
    }                                                                                              \
    ;                                                                                              \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};  \
    return &messageMap;                                                                            \
    }

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, BN_CLICKED, (UINT)(id), [](CCmdTarget* t, const AFX_MSG&) -> LRESULT {            \
         static_cast<ThisClass*>(t)->memberFxn();                                                  \
         return 0;                                                                                 \
     }},

#define ON_BN_CLICKED(id, memberFxn) ON_COMMAND(id, memberFxn)

#define ON_WM_PAINT()                                                                              \
    {WM_PAINT, 0, 0, [](CCmdTarget* t, const AFX_MSG&) -> LRESULT {                                \
         static_cast<ThisClass*>(t)->OnPaint();                                                    \
         return 0;                                                                                 \
     }},

#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, [](CCmdTarget* t, const AFX_MSG& m) -> LRESULT {                         \
         static_cast<ThisClass*>(t)->OnSysCommand((UINT)m.wParam, m.lParam);                       \
         return 0;                                                                                 \
     }},

#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget* t, const AFX_MSG&) -> LRESULT {                        \
         return (LRESULT) static_cast<ThisClass*>(t)->OnQueryDragIcon();                           \
     }},

#define ON_WM_CTLCOLOR()                                                                           \
    {WM_CTLCOLOR, 0, 0, [](CCmdTarget* t, const AFX_MSG& m) -> LRESULT {                           \
         const AFX_CTLCOLOR* c = reinterpret_cast<const AFX_CTLCOLOR*>(m.lParam);                  \
         return (LRESULT) static_cast<ThisClass*>(t)->OnCtlColor(c->pDC, c->pWnd, c->nCtlColor);   \
     }},
