// Resource ids of Zentavio.exe.
#pragma once

#define IDI_MAIN 123
#define IDR_ACCEL_MAIN 103
// Bitmap font atlases (type "PNG"), drawn for 200 % at one, two and three
// times the size.
#define IDR_BMPFONT_3X 165
#define IDR_BMPFONT_2X 166
#define IDR_BMPFONT_1X 167

// Control-button image strips (type "PNG"), drawn for 200 %: the button
// cells and the overflow button's two frames.
#define IDR_BUTTON_SKIN 164
#define IDR_BUTTON_EXTRA 171

// The about box: dialog, its text field and icon control, and its icon.
#define IDD_ABOUT 163
#define IDC_ABOUT_TEXT 1730
#define IDC_ABOUT_ICON 1731
#define IDI_ABOUT 104

// The popup menus' icon strips (type "PNG"): marks and arrows, item icons.
#define IDR_MENU_ICONS 169
#define IDR_MENU_ITEM_ICONS 168

// The playlist window's image strips (type "PNG"), drawn for 200 %: the
// check boxes and row marks of its lists, and the icon strip whose cells
// 6..8 are the sub-list tabs' icons.
#define IDR_PLAYLIST_CHECKS 175
#define IDR_PLAYLIST_ICONS 176
// The playlist window: a modeless dialog of its own window class.
#define IDD_PLAYLIST 107
