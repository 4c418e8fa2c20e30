// Each scenario opens dialogs on the game's templates and feeds them posted
// input (keys and mouse messages, as the platform queues them); the probes
// log the commands, focus, checks and paints they see.
#include "dialog_scenarios.h"

#include <functional>
#include <vector>

#include "fw/afxwin.h"
#include "res/resource.h"

namespace {

std::string g_log;

void Log(const std::string& entry) {
    g_log += (g_log.empty() ? "" : " ") + entry;
}

constexpr int kStep = 0x7001; // runs the probe's next action

class Probe;
using Action = std::function<void(Probe&)>;

// A dialog that logs what reaches it and runs a script of actions, one a
// turn of its loop: each action posts its input, then the next action is
// posted behind it, so it runs once that input has been handled. IDOK and
// IDCANCEL end it.
class Probe : public CDialog {
public:
    Probe(UINT id, const char* tag) : CDialog(id), m_tag(tag) {}
    std::vector<Action> script;
    std::function<void(Probe&)> onInit, onPaint;

    void Post(UINT message, WPARAM wParam = 0) { PostMessage(message, wParam, 0); }
    void Next() { Post(WM_COMMAND, WPARAM(kStep)); }
    const std::string& Tag() const { return m_tag; }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        if (onInit)
            onInit(*this);
        Next();
        return TRUE;
    }
    void OnOK() override { Ended(IDOK); }
    void OnCancel() override { Ended(IDCANCEL); }
    void Ended(int id) {
        Log(m_tag + "c" + std::to_string(id));
        EndDialog(id);
    }
    void OnStep() {
        if (m_next < script.size()) {
            script[m_next++](*this);
            Next();
        }
    }
    void OnGetLucky() { Log(m_tag + "c1008"); }
    void OnEasy() { Log(m_tag + "c1029"); }
    void OnSuper() { Log(m_tag + "c1038"); }
    void OnPower() { Log(m_tag + "c1039"); }
    void OnMega() { Log(m_tag + "c1040"); }
    void OnPaint() {
        CPaintDC dc(this);
        Log(m_tag + "P");
        if (onPaint)
            onPaint(*this);
    }

    std::string m_tag;
    size_t m_next = 0;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Probe, CDialog)
ON_COMMAND(kStep, OnStep)
ON_COMMAND(IDC_GET_LUCKY, OnGetLucky)
ON_COMMAND(IDC_EASY, OnEasy)
ON_COMMAND(IDC_SUPER, OnSuper)
ON_COMMAND(IDC_POWER, OnPower)
ON_COMMAND(IDC_MEGA, OnMega)
ON_WM_PAINT()
END_MESSAGE_MAP()

// A key, as the keyboard sends it: to the control with the focus.
Action Key(int vk) {
    return [vk](Probe& p) {
        CWnd* focus = CWnd::GetFocus();
        CWnd* target = focus ? focus : &p;
        target->PostMessage(WM_KEYDOWN, WPARAM(vk), 0);
        target->PostMessage(WM_KEYUP, WPARAM(vk), 0);
    };
}

// A click of the mouse on a control.
Action ClickOn(int id) {
    return [id](Probe& p) {
        CWnd* control = p.GetDlgItem(id);
        control->PostMessage(WM_LBUTTONDOWN, 1, 0x00020002);
        control->PostMessage(WM_LBUTTONUP, 0, 0x00020002);
    };
}

Action SysCommand(UINT command) {
    return [command](Probe& p) { p.Post(WM_SYSCOMMAND, command); };
}

// Logs the control with the focus.
void LogFocus(Probe& p) {
    CWnd* focus = CWnd::GetFocus();
    Log(p.Tag() + "f" + std::to_string(focus ? focus->GetDlgCtrlID() : 0));
}

Action Enable(int id, bool enable) {
    return [id, enable](Probe& p) { p.GetDlgItem(id)->EnableWindow(enable); };
}

// A game window running the script, with "Try Again" disabled as the game
// opens it, and which logs no paints.
std::string RunGameWindow(std::vector<Action> script, Action init = nullptr) {
    g_log.clear();
    Probe dlg(IDD_WHEELS, "");
    dlg.script = std::move(script);
    dlg.onInit = [&](Probe& p) {
        p.GetDlgItem(IDOK)->EnableWindow(FALSE);
        if (init)
            init(p);
    };
    dlg.DoModal();
    return g_log;
}

std::string TabOrder() {
    return RunGameWindow({LogFocus, Key(VK_TAB), LogFocus, Key(VK_TAB), LogFocus, Key(VK_ESCAPE)});
}

std::string ArrowsInTheRadioGroup() {
    return RunGameWindow({ClickOn(IDC_SUPER), Key(VK_DOWN), LogFocus, Key(VK_DOWN), LogFocus,
                          Key(VK_DOWN), LogFocus, Key(VK_UP), LogFocus,
                          [](Probe& p) {
                              std::string checks = "k";
                              for (int id : {IDC_SUPER, IDC_POWER, IDC_MEGA})
                                  checks += char('0' + p.GetDlgItem(id)->GetCheck());
                              Log(checks);
                          },
                          Key(VK_ESCAPE)},
                         [](Probe& p) { p.GetDlgItem(IDC_SUPER)->SetCheck(1); });
}

// Of the window's three default buttons the last, "Get Lucky Numbers", is
// the default: Enter gives its command from the focused "Exit" and from a
// check box, and nothing while it is disabled. A push button reached with
// Tab ("Exit", after the radio group) takes the default look, and Enter
// then clicks it.
std::string EnterAndTheDefaultButton() {
    return RunGameWindow({Key(VK_RETURN), ClickOn(IDC_EASY), Key(VK_RETURN),
                          Enable(IDC_GET_LUCKY, false), Key(VK_RETURN), Enable(IDC_GET_LUCKY, true),
                          Key(VK_TAB), LogFocus, Key(VK_RETURN), Key(VK_TAB), LogFocus, Key(VK_TAB),
                          Key(VK_TAB), Key(VK_TAB), LogFocus, Key(VK_RETURN)});
}

// The close box posts the cancel command, unless "Exit" is disabled; Escape
// cancels all the same.
std::string TheCloseBox() {
    std::string log = RunGameWindow({SysCommand(SC_CLOSE), LogFocus});
    log += " |" +
           RunGameWindow({SysCommand(SC_CLOSE), LogFocus, Key(VK_ESCAPE)}, Enable(IDCANCEL, false));
    return log;
}

// A dialog opened without a parent is owned by the window in front, which
// it disables until its run ends; the About box closes from its close box.
std::string OwnersOfNestedRuns() {
    return RunGameWindow({[](Probe& game) {
                              Probe about(IDD_ABOUTBOX, "B");
                              about.onInit = [&game](Probe&) {
                                  Log(std::string("e") + char('0' + game.IsWindowEnabled()));
                              };
                              about.script = {SysCommand(SC_CLOSE)};
                              Log("r" + std::to_string(about.DoModal()));
                              Log(std::string("e") + char('0' + game.IsWindowEnabled()));
                          },
                          Key(VK_ESCAPE)});
}

// The one-message pump hands out one message a call (the platform may add
// messages of its own), the paint request when nothing else waits, and no
// dialog keys.
std::string ThePumpInASleepLoop() {
    return RunGameWindow({[](Probe& p) {
                              for (int i = 0; i < 3; ++i)
                                  p.Post(WM_COMMAND, IDC_GET_LUCKY);
                              for (size_t before = g_log.size(); AfxPumpWaitingMessage();
                                   before = g_log.size())
                                  if (g_log.find(' ', before + 1) != std::string::npos)
                                      Log("two");
                              Key(VK_ESCAPE)(p);
                              AfxSleep(1);
                              while (AfxPumpWaitingMessage()) {
                              }
                              Log("x");
                          },
                          Key(VK_ESCAPE)});
}

// Paint requests merge, and the window furthest back is painted first; a
// message posted to a window that another one's run disabled still reaches it.
std::string PaintRequests() {
    g_log.clear();
    Probe game(IDD_WHEELS, "A");
    game.onPaint = [](Probe& p) { p.Post(WM_COMMAND, IDCANCEL); };
    game.script = {[](Probe& game) {
        Probe about(IDD_ABOUTBOX, "B");
        about.script = {[&game](Probe& p) {
            game.Invalidate();
            p.Invalidate();
            p.Invalidate();
        }};
        about.onPaint = [](Probe& p) { p.Post(WM_COMMAND, IDOK); };
        about.DoModal();
    }};
    game.DoModal();
    return g_log;
}

} // namespace

const DialogScenario kDialogScenarios[] = {
    {"tab_order", TabOrder, "f2 f1002 f1003 c2"},
    {"arrows_in_the_radio_group", ArrowsInTheRadioGroup,
     "c1038 c1039 f1039 c1040 f1040 c1038 f1038 c1040 f1040 k001 c2"},
    {"enter_and_the_default_button", EnterAndTheDefaultButton,
     "c1008 c1029 c1008 f1030 c1008 f1038 f2 c2"},
    {"the_close_box", TheCloseBox, "f2 c2 |f1002 c2"},
    {"owners_of_nested_runs", OwnersOfNestedRuns, "e0 Bc2 r2 e1 c2"},
    {"the_pump_in_a_sleep_loop", ThePumpInASleepLoop, "c1008 c1008 c1008 P x c2"},
    {"paint_requests", PaintRequests, "AP Ac2 BP Bc1"},
};
const int kDialogScenarioCount = int(sizeof(kDialogScenarios) / sizeof(kDialogScenarios[0]));
