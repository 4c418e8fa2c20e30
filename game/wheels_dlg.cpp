// The game window's construction, opening, data exchange and shell duties.
#include "game/wheels_dlg.h"

#include "app/about_dlg.h"
#include "res/resource.h"

BEGIN_MESSAGE_MAP(CWheelsDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_GET_LUCKY, OnGetLuckyNumbers)
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDC_SPIN1, OnSpin1)
ON_BN_CLICKED(IDC_SPIN2, OnSpin2)
ON_BN_CLICKED(IDC_SPIN3, OnSpin3)
ON_BN_CLICKED(IDC_SPIN4, OnSpin4)
ON_BN_CLICKED(IDC_SPIN5, OnSpin5)
ON_BN_CLICKED(IDC_SPINB, OnSpinB)
ON_BN_CLICKED(IDC_STOP1, OnStop1)
ON_BN_CLICKED(IDC_STOP2, OnStop2)
ON_BN_CLICKED(IDC_STOP3, OnStop3)
ON_BN_CLICKED(IDC_STOP4, OnStop4)
ON_BN_CLICKED(IDC_STOP5, OnStop5)
ON_BN_CLICKED(IDC_STOPB, OnStopB)
ON_BN_CLICKED(IDC_EASY, OnEasy)
ON_BN_CLICKED(IDC_CHALLENGING, OnChallenging)
ON_BN_CLICKED(IDC_SUPER, OnSuper)
ON_BN_CLICKED(IDC_POWER, OnPower)
ON_BN_CLICKED(IDC_MEGA, OnMega)
END_MESSAGE_MAP()

CWheelsDlg::CWheelsDlg(CWnd* pParent) : CDialog(IDD_WHEELS, pParent) {
    SetFixedScale(kPictureScale);
    for (int& lucky : m_nLucky)
        lucky = 0;
    m_bChallenging = FALSE;
    m_bEasy = FALSE;
    if (CWinApp* app = AfxGetApp())
        m_hIcon = app->LoadIcon(IDI_WHEELS);
    BuildImageLists();
    m_bEasy = TRUE;
    m_bChallenging = FALSE;
    m_bInProgress = false;
    m_nGameType = kSuper;
}

void CWheelsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    for (int w = 0; w < kWheelCount; ++w)
        DDX_Text(pDX, kWheels[w].luckyBox, m_nLucky[w]);
    DDX_Check(pDX, IDC_CHALLENGING, m_bChallenging);
    DDX_Check(pDX, IDC_EASY, m_bEasy);
    DDX_Radio(pDX, IDC_SUPER, m_nGameType);
}

BOOL CWheelsDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    m_bNumbersDrawn = false;
    for (int w = 0; w < kWheelCount; ++w) {
        m_nFrame[w] = 0;
        m_bArmed[w] = (w == 0);
        m_fStopValue[w] = 0.0f;
    }
    m_nBackgroundFrame = 0;
    m_nBannerFrame = 0;

    OnEasy();
    m_nMainMax = kGameTypes[kSuper].mainMax;
    m_nBonusMax = kGameTypes[kSuper].bonusMax;

    for (const WheelControls& wheel : kWheels) {
        EnableControl(wheel.spin, FALSE);
        EnableControl(wheel.stop, FALSE);
    }
    EnableControl(IDOK, FALSE);

    SetUpWindow();
    return TRUE; // the first enabled tab stop, "Exit", takes the focus
}

// The About item at the end of the system menu, the window's icons, and no
// Move command: the window stays where it was centred.
void CWheelsDlg::SetUpWindow() {
    CMenu* sysMenu = GetSystemMenu(FALSE);
    if (sysMenu) {
        CString about;
        about.LoadString(IDS_ABOUTBOX);
        if (!about.IsEmpty()) {
            sysMenu->AppendMenu(MF_SEPARATOR);
            sysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        }
    }
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    if (sysMenu)
        sysMenu->DeleteMenu(SC_MOVE, MF_BYCOMMAND);
}

void CWheelsDlg::OnSysCommand(UINT nID, LPARAM) {
    // The platform keeps the low four bits of a system command for itself.
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
    } else {
        Default();
    }
}

// "Try Again": the window never closes; a new game starts in it.
void CWheelsDlg::OnOK() {
    ResetGame();
}

// Leaving from any game window, at any depth of nesting, ends the process.
void CWheelsDlg::OnCancel() {
    AfxExit(1);
}

void CWheelsDlg::EnableControl(int nID, BOOL bEnable) {
    if (CWnd* control = GetDlgItem(nID))
        control->EnableWindow(bEnable);
}

void CWheelsDlg::EnableSettings(BOOL bEnable) {
    for (int id : kSettingsControls)
        EnableControl(id, bEnable);
}
