// The browser backend as a host of the dialog manager: each of the
// manager's dialogs is a window in the page, each control a page element
// that shows the control's state; the page takes its turn while the
// manager waits.
#include <string>

#include "fw/common/dialog_face.h"
#include "fw/web/page.h"
#include "fw/web/resources.h"

namespace {

// The page's element for each kind of control (fw/web/page.js).
const char* PageKind(ControlKind kind) {
    switch (kind) {
    case ControlKind::kPushButton:
        return "button";
    case ControlKind::kCheckBox:
        return "check";
    case ControlKind::kRadioButton:
        return "radio";
    case ControlKind::kGroupBox:
        return "group";
    case ControlKind::kLabel:
        return "label";
    case ControlKind::kNumberBox:
        return "number";
    case ControlKind::kFrame:
        return "frame";
    case ControlKind::kIcon:
        return "icon";
    default:
        return "text";
    }
}

// How a control's text sits in its rectangle: 0 left, 1 centre, 2 right,
// plus 4 when centred from top to bottom.
int AlignOf(const Window& control) {
    if (control.kind == ControlKind::kNumberBox)
        return ((control.style & ES_CENTER) ? 1 : (control.style & ES_RIGHT) ? 2 : 0) | 4;
    if (control.kind != ControlKind::kLabel)
        return 0;
    const DWORD align = control.style & SS_TYPEMASK;
    return (align == SS_CENTER  ? 1
            : align == SS_RIGHT ? 2
                                : 0) |
           ((control.style & SS_CENTERIMAGE) ? 4 : 0);
}

const char* FrameColour(DWORD style) {
    switch (style & SS_TYPEMASK) {
    case SS_BLACKFRAME:
        return "#6a6a6a";
    case SS_GRAYFRAME:
        return "#a6a6a6";
    default:
        return "#ffffff";
    }
}

bool ShowsText(ControlKind kind) {
    return kind != ControlKind::kFrame && kind != ControlKind::kIcon;
}

// The page's face stands in for every face a template names: the metrics
// are Liberation Sans's, served with the page.
DialogFace FaceOf(const DlgTemplate& tpl, const DialogScale& asked) {
    return FaceFor(tpl, asked, [](const std::string&, int pixelSize) {
        return qw_text_width("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", pixelSize);
    });
}

void ShowIcon(int id, const Picture* image, void (*show)(int, const uint8_t*, int, int)) {
    if (image)
        show(id, reinterpret_cast<const uint8_t*>(image->pixels.data()), image->width,
             image->height);
}

void ShowState(const Window& control) {
    qw_control_state(PageId(control.hwnd), control.enabled, control.check);
}

void CreateControls(Window& dlg) {
    for (Window* control : dlg.controls) {
        const RECT& r = control->rect;
        const int id = PageId(control->hwnd);
        qw_control_create(PageId(dlg.hwnd), id, PageKind(control->kind), int(r.left), int(r.top),
                          int(r.right - r.left), int(r.bottom - r.top), AlignOf(*control),
                          FrameColour(control->style));
        if (ShowsText(control->kind))
            qw_control_text(id, control->text.c_str());
        if (control->kind == ControlKind::kIcon)
            if (const IconImages* icon = IconOf(LoadIconResource(UINT(control->textOrdinal))))
                ShowIcon(id, icon->Best(AfxGetSystemMetrics(SM_CXICON)), qw_control_icon);
        ShowState(*control);
        control->view = std::make_unique<ControlView>();
    }
}

// Asks the dialog for the colour behind its controls' texts, as the
// platform's labels and read-only boxes do before they paint.
void AskTextColours(Window& dlg) {
    for (Window* control : dlg.controls) {
        if (!ShowsText(control->kind) || control->kind == ControlKind::kPushButton)
            continue;
        SurfaceDC dc;
        dlgmgr::AskCtlColor(control, HandleOf(&dc));
        if (dc.bkColorSet)
            qw_control_band(PageId(control->hwnd), dc.bkColor);
    }
}

void ShowMenuBar(const Window& dlg) {
    const int id = PageId(dlg.hwnd);
    qw_menu_clear(id);
    for (size_t i = dlg.firstAppended; i < dlg.sysMenu.size(); ++i)
        if (!(dlg.sysMenu[i].flags & MF_SEPARATOR))
            qw_menu_add(id, dlg.sysMenu[i].text.c_str(), int(dlg.sysMenu[i].id));
}

void ShowDialogChange(Window& dlg, dlgmgr::Change change) {
    const int id = PageId(dlg.hwnd);
    switch (change) {
    case dlgmgr::Change::Enabled:
        qw_window_enable(id, dlg.enabled);
        break;
    case dlgmgr::Change::Text:
        qw_window_caption(id, dlg.text.c_str());
        break;
    case dlgmgr::Change::Focus:
        qw_focus(id, dlg.focus ? PageId(dlg.focus) : 0);
        break;
    case dlgmgr::Change::Icon:
        if (const IconImages* icon =
                IconOf(dlg.icons[ICON_SMALL] ? dlg.icons[ICON_SMALL] : dlg.icons[ICON_BIG]))
            ShowIcon(id, icon->Best(16), qw_window_icon);
        break;
    case dlgmgr::Change::Menu:
        ShowMenuBar(dlg);
        break;
    default:
        break; // a page has no minimised windows
    }
}

// The raw input the page gave (fw/web/page.js's kinds).
enum PageInput { kPress = 1, kRelease, kKeyDown, kKeyUp, kCommand, kClose, kClick };

// The keys a dialog knows; the page's key codes are the platform's.
int KeyOf(int code) {
    const int key = code & 0xFFFF;
    const bool known = key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE || key == VK_SPACE ||
                       key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN ||
                       key == VK_F4 || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z');
    if (!known)
        return 0;
    return key | ((code >> 16 & 1) ? dlgmgr::kShift : 0) | ((code >> 16 & 2) ? dlgmgr::kAlt : 0);
}

dlgmgr::Input InputOf(const int32_t e[5]) {
    dlgmgr::Input in{dlgmgr::InputKind::Move};
    in.window = e[1] ? reinterpret_cast<HWND>(uintptr_t(e[1])) : nullptr;
    switch (e[0]) {
    case kPress:
    case kRelease:
        in.kind = e[0] == kPress ? dlgmgr::InputKind::Press : dlgmgr::InputKind::Release;
        in.atPoint = true;
        in.point = {e[2], e[3]};
        break;
    case kKeyDown:
    case kKeyUp:
        in.kind = e[0] == kKeyDown ? dlgmgr::InputKind::KeyDown : dlgmgr::InputKind::KeyUp;
        in.code = KeyOf(e[4]);
        break;
    case kCommand:
    case kClose:
        in.kind = dlgmgr::InputKind::SysCommand;
        in.code = e[0] == kClose ? SC_CLOSE : e[4];
        break;
    default:
        break;
    }
    return in;
}

class WebHost : public dlgmgr::Host {
public:
    void Poll() override {
        int32_t e[5];
        while (qw_take_input(e)) {
            if (e[0] != kClick) {
                dlgmgr::QueueInput(InputOf(e));
                continue;
            }
            // A control's own click: a press and a release on it.
            const Window* control = dlgmgr::Find(reinterpret_cast<HWND>(uintptr_t(e[4])));
            for (dlgmgr::InputKind kind : {dlgmgr::InputKind::Press, dlgmgr::InputKind::Release})
                if (control && control->dialog) {
                    dlgmgr::Input in{kind};
                    in.window = control->dialog->hwnd;
                    in.control = control->id;
                    dlgmgr::QueueInput(in);
                }
        }
    }

    // The page shows what was drawn, and the browser runs until input comes.
    bool Wait() override {
        ShowPictures();
        qw_wait();
        return true;
    }

    bool LoadTemplate(UINT id, DlgTemplate& out) override { return LoadDialogTemplate(id, out); }

    DialogScale ScaleFor(const DlgTemplate& tpl, const DialogScale& asked) override {
        return FaceOf(tpl, asked).scale;
    }

    void Created(Window& dlg) override {
        const DialogFace face = FaceOf(dlg.tpl, static_cast<CDialog*>(dlg.object)->GetFixedScale());
        auto view = std::make_unique<DialogView>();
        view->width = int(dlg.rect.right);
        view->height = int(dlg.rect.bottom);
        for (PictureLayer& layer : view->layers)
            layer.pixels.assign(size_t(view->width) * size_t(view->height), 0);
        dlg.view = std::move(view);
        qw_window_create(PageId(dlg.hwnd), dlg.text.c_str(), int(dlg.rect.right),
                         int(dlg.rect.bottom), face.pixelSize, (dlg.style & WS_SYSMENU) != 0);
        CreateControls(dlg);
        ShowDialogChange(dlg, dlgmgr::Change::Menu);
        ShowDialogChange(dlg, dlgmgr::Change::Icon);
    }

    // Centred on the page, at the template's place over the owner's client
    // area, or centred over the owner.
    void Shown(Window& dlg) override {
        AskTextColours(dlg);
        const Window* owner = dlgmgr::Find(dlg.owner);
        const int place = (dlg.style & DS_CENTER) || !owner    ? 0
                          : (dlg.tpl.x != 0 || dlg.tpl.y != 0) ? 1
                                                               : 2;
        qw_window_show(PageId(dlg.hwnd), owner ? PageId(owner->hwnd) : 0, place,
                       dlg.scale.PixelsX(dlg.tpl.x), dlg.scale.PixelsY(dlg.tpl.y));
        ShowDialogChange(dlg, dlgmgr::Change::Focus);
    }

    void Hidden(Window& dlg) override { qw_window_hide(PageId(dlg.hwnd)); }

    void Destroying(Window& dlg) override {
        qw_window_destroy(PageId(dlg.hwnd));
        dlg.view.reset();
        for (Window* control : dlg.controls)
            control->view.reset();
    }

    void Activated(Window& dlg) override { qw_window_front(PageId(dlg.hwnd)); }

    void Changed(Window& w, dlgmgr::Change change) override {
        if (!w.view)
            return; // not made yet
        if (w.IsDialog()) {
            ShowDialogChange(w, change);
            return;
        }
        if (change == dlgmgr::Change::Enabled || change == dlgmgr::Change::Check)
            ShowState(w);
        else if (change == dlgmgr::Change::Text && ShowsText(w.kind))
            qw_control_text(PageId(w.hwnd), w.text.c_str());
        else
            return;
        // A control whose state changes draws itself again, over any
        // picture drawn across it.
        ClearLayer(*w.dialog, kOver, w.rect);
    }

    // The controls in the repainted area come back on top; the dialog
    // paints under them.
    void BeginPaint(Window& dlg) override { ClearPainting(dlg, kOver); }
    void PaintBackground(Window& dlg) override { ClearPainting(dlg, kUnder); }

    void SetSurfaceBkColor(HDC hdc, COLORREF color) override {
        if (SurfaceDC* dc = SurfaceOf(hdc)) {
            dc->bkColor = color;
            dc->bkColorSet = true;
        }
    }

private:
    static void ClearPainting(Window& dlg, Layer layer) {
        if (dlg.painting && dlg.view)
            for (const RECT& area : *dlg.painting)
                ClearLayer(dlg, layer, area);
    }
};

} // namespace

dlgmgr::Host& dlgmgr::TheHost() {
    static WebHost host;
    return host;
}
