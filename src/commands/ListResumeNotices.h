// The main window's notices about the open list's resume data: the
// playlist changed (the open-files list), the playing entry's own settings
// changed or switched on or off.
#pragma once
#include <windows.h>

constexpr int kNoticeTrackPropsChanged = 9017;
constexpr int kNoticeTrackPropsSwitched = 9018;

// Runs its part of the notice; 1 when nothing else is to be done for it.
int m_ListResume_OnNotice(WPARAM code, LPARAM value);
