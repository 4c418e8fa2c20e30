// Resource ids of Quintaro, shared by the game code, the resource script and
// the tests. Plain numbers only: this file is read by the C++ compiler and by
// the resource compiler alike, so it includes nothing.
#ifndef QUINTARO_RESOURCE_H
#define QUINTARO_RESOURCE_H

// Dialog templates
#define IDD_ABOUTBOX 100
#define IDD_WHEELS 102
#define IDD_PLAYAGAIN 268

// Strings
#define IDS_ABOUTBOX 101 // text of the About item in the system menu

// Icons
#define IDI_ABOUT 128  // shown in the About box
#define IDI_WHEELS 260 // the game window's own icon
#define IDI_LOGO 271   // shown at the top right of the game window

// Bitmaps with a role of their own; the number tiles are found by number
#define IDB_MAIN_BLANK 223  // blank frame of the main wheels
#define IDB_FELT 231        // background felt
#define IDB_BONUS_BLANK 232 // blank frame of the bonus wheel
#define IDB_BANNER 263      // win banner

// Controls of the game window (IDOK "Try Again" and IDCANCEL "Exit" come from
// the platform)
#define IDC_LUCKY1 1002 // read-only boxes of the lucky numbers
#define IDC_LUCKY2 1003
#define IDC_LUCKY3 1004
#define IDC_LUCKY4 1005
#define IDC_LUCKY5 1006
#define IDC_LUCKYB 1007
#define IDC_GET_LUCKY 1008
#define IDC_BACKGROUND 1009 // frame that receives the felt
#define IDC_SPIN1 1010
#define IDC_SPIN2 1011
#define IDC_SPIN3 1012
#define IDC_SPIN4 1013
#define IDC_SPIN5 1014
#define IDC_SPINB 1015
#define IDC_WHEEL1 1016 // picture frames of the wheels
#define IDC_WHEEL2 1017
#define IDC_WHEEL3 1018
#define IDC_WHEEL4 1019
#define IDC_WHEEL5 1020
#define IDC_WHEELB 1021
#define IDC_STOP1 1023
#define IDC_STOP2 1024
#define IDC_STOP3 1025
#define IDC_STOP4 1026
#define IDC_STOP5 1027
#define IDC_STOPB 1028
#define IDC_EASY 1029 // play-level check boxes
#define IDC_CHALLENGING 1030
#define IDC_BANNER_AREA 1032 // frame that receives the win banner
#define IDC_SUPER 1038       // game-type radio group, in this order
#define IDC_POWER 1039
#define IDC_MEGA 1040

// Menu commands
#define IDM_ABOUTBOX 0x0010 // About item of the system menu

#endif
