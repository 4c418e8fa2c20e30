// Reading a dialog template from the program's resources.
#pragma once

#include "fw/common/dlg_template.h"
#include "fw/win32/win32.h"

// Finds and parses dialog template nID; false when there is none or it is
// malformed.
bool LoadDialogTemplate(UINT nID, DlgTemplate& out);
