// Building and placing the window of a dialog run.
#pragma once

#include "fw/gtk/backend.h"
#include "fw/gtk/style.h"

// Creates the window, its client area and every control of the template,
// hidden, at the face's scale.
void BuildDialogWindow(DialogRun& run, const DialogFace& face);
// Centred on the screen, at the template's place over the owner's client
// area, or centred over the owner.
void PlaceWindow(DialogRun& run, const DialogScale& scale);
// Asks the dialog for the colour behind its controls' texts, as the
// platform's labels and read-only boxes do before they paint.
void AskTextColours(DialogRun& run);
// Gives the focus to the first enabled control with a tab stop.
void FocusFirstTabStop(DialogRun& run);
