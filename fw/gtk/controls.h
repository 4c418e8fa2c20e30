// The toolkit's widgets for the controls of a dialog template.
#pragma once

#include "fw/gtk/backend.h"

// What kind of control a template item is.
ControlKind KindOf(const DlgItemTemplate& item);

// Creates the widget of a control (kept in control.widget, not yet placed).
// Radio buttons join the group of the radio before them in the same
// template group.
void CreateWidget(Control& control, const DlgItemTemplate& item, GtkRadioButton* groupLeader);

// A text with the toolkit's mnemonic marker in place of '&' ("&&" is an '&'),
// and the same text as a reader hears it, with no marker at all.
std::string MnemonicText(const std::string& text);
std::string PlainText(const std::string& text);

// Shows the text of a control, as the template or SetWindowText gives it.
void ShowText(Control& control);
// The label that shows a control's text, when it has one of its own.
GtkLabel* TextLabelOf(Control& control);
// The band of colour behind a control's text, from the dialog's
// control-colour answer.
void ShowTextBand(Control& control, COLORREF color);
