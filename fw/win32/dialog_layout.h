// Where a dialog's window and controls go when it opens, beyond what the
// platform's dialog manager does itself.
#pragma once

#include "fw/win32/template_resource.h"

// Lays the dialog out at the fixed pixel scale its pictures are made for,
// when its template has one, whatever face stands in for the template's
// font. Returns whether it did.
bool ApplyFixedScale(HWND hDlg, UINT nIDTemplate, const DlgTemplate& tpl);

// The average character width, in pixels, that the fixed scale of the
// template is made for; 0 when the template has none.
int FixedScaleBaseWidth(UINT nIDTemplate);

// Centres the window over its owner (or the screen's work area without
// one), kept inside the work area.
void CentreOverOwner(HWND hWnd);
