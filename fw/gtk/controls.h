// The toolkit's widgets for the controls of a dialog.
#pragma once

#include <string>

#include "fw/gtk/backend.h"

// The widget of a control, not yet placed. Radio buttons join the group of
// the radio before them in the same template group. A button's own click
// (a screen reader's action) is the player's click.
GtkWidget* CreateWidget(const MgrWindow& control, GtkRadioButton* groupLeader);

// A text with the toolkit's mnemonic marker in place of '&' ("&&" is an '&'),
// and the same text as a reader hears it, with no marker at all.
std::string MnemonicText(const std::string& text);
std::string PlainText(const std::string& text);

// Shows the text of a control, as the template or SetWindowText gives it.
void ShowText(const MgrWindow& control);
// Shows whether a check box or radio button is checked.
void ShowCheck(const MgrWindow& control);
// The label that shows the text of a control's widget, when it has one of its own.
GtkLabel* TextLabelOf(ControlKind kind, GtkWidget* widget);
// The band of colour behind a control's text, from the dialog's
// control-colour answer.
void ShowTextBand(const MgrWindow& control, COLORREF color);
