// Building and placing the window of a dialog.
#pragma once

#include "fw/gtk/backend.h"
#include "fw/gtk/style.h"

// Creates the window, its client area and the widget of every control,
// hidden, at the face's scale.
void BuildDialogWindow(MgrWindow& dlg, const DialogFace& face);
// Centred on the screen, at the template's place over the owner's client
// area, or centred over the owner.
void PlaceWindow(MgrWindow& dlg);
// Asks the dialog for the colour behind its controls' texts, as the
// platform's labels and read-only boxes do before they paint.
void AskTextColours(MgrWindow& dlg);
