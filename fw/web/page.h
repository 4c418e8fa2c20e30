// What the page does for the browser backend (fw/web/page.js): the page
// elements of windows and controls, their pictures, and the input the
// browser gives. Windows and controls are known by their handles; texts
// are the program's own (Latin-1).
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

// The page's starting state: the dialog background colour (0x00BBGGRR).
void qw_start(uint32_t faceColor);
// The width of a text in the page's face at a pixel size: each letter's
// advance in whole CSS pixels.
int qw_text_width(const char* text, int pixelSize);

// A window, made hidden: its caption, client size, text size, whether it
// has a close box.
void qw_window_create(int id, const char* caption, int width, int height, int pixelSize,
                      int closeBox);
void qw_window_caption(int id, const char* caption);
// Shows a window in front: centred on the page (place 0), at (x, y) of its
// owner's client area (place 1), or centred over its owner (place 2).
void qw_window_show(int id, int owner, int place, int x, int y);
void qw_window_hide(int id);
void qw_window_destroy(int id);
void qw_window_enable(int id, int enabled);
void qw_window_front(int id);
// The caption's icon, from RGBA pixels.
void qw_window_icon(int id, const uint8_t* rgba, int width, int height);
// The menu bar: cleared, then its items one by one.
void qw_menu_clear(int id);
void qw_menu_add(int id, const char* text, int command);

// A control of a window at its rectangle. kind: button, check, radio,
// number, label, group, frame, icon or text; align: 0 left, 1 centre,
// 2 right, plus 4 for vertical centring; frame: the frame's CSS colour.
void qw_control_create(int window, int id, const char* kind, int x, int y, int width, int height,
                       int align, const char* frame);
void qw_control_text(int id, const char* text);
void qw_control_state(int id, int enabled, int checked);
void qw_control_band(int id, uint32_t color);
void qw_control_icon(int id, const uint8_t* rgba, int width, int height);
// The control with the keyboard focus (0 for none).
void qw_focus(int window, int id);

// Shows part of a picture layer (0 under, 1 over the controls): RGBA
// pixels of the whole client area, of which the rectangle changed.
void qw_blit(int window, int layer, const uint8_t* rgba, int width, int height, int x, int y, int w,
             int h);

// The next raw input the browser gave, as five numbers (kind, window, x, y,
// code); 0 when none is waiting.
int qw_take_input(int32_t* out);
// Yields to the browser until input comes (Asyncify).
void qw_wait();
}
