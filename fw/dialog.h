// Modal dialogs from templates in the program's resources.
#pragma once

#include "fw/wnd.h"

// The pixel size of a font's dialog base units: a horizontal dialog unit is a
// quarter of baseX, a vertical one an eighth of baseY. Unset (zero) means the
// platform's own scale, from whatever face stands in for the template's font.
struct DialogScale {
    int baseX = 0; // average character width
    int baseY = 0; // character height

    bool IsSet() const { return baseX > 0 && baseY > 0; }
    // Dialog units to pixels, rounded to the nearest, halves away from zero,
    // each position and each size on its own, as the dialog manager does.
    int PixelsX(int units) const { return Rounded(units * baseX, 4); }
    int PixelsY(int units) const { return Rounded(units * baseY, 8); }

private:
    static int Rounded(int n, int d) { return n >= 0 ? (n + d / 2) / d : -((d / 2 - n) / d); }
};

// The base units the platform gives its usual 8-point dialog face: the scale
// of a dialog that asks for none, on a backend that measures no face of its
// own, so that the dialog has the same size in pixels as on the platform.
constexpr DialogScale kUsualDialogScale{6, 13};

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog modally. Without a parent, the window in front owns
    // it and stays disabled until the run ends. Returns the EndDialog value,
    // or -1 when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Pushes the record to the controls; true gives the focus to the first
    // control that takes it.
    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);

    UINT GetTemplateId() const { return m_nIDTemplate; }
    // The scale the dialog asked to be laid out at; unset unless it asked.
    DialogScale GetFixedScale() const { return m_fixedScale; }

protected:
    // Asks every backend to lay the window and its controls out at exactly
    // this scale, whatever face stands in for the template's font (a face
    // wider on average than baseX is set smaller, so that texts still fit):
    // for a dialog whose pictures are drawn to fit its controls. Call it
    // before the dialog opens.
    void SetFixedScale(DialogScale scale) { m_fixedScale = scale; }

    virtual void OnOK();
    virtual void OnCancel();

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    DialogScale m_fixedScale;
    void* m_pBackend = nullptr; // what the backend keeps for a running dialog

    DECLARE_MESSAGE_MAP()
    friend class CWndBackend;
};
