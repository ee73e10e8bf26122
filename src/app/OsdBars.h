// What playback asks of the controller bars ([Osc] "Mode") as a file opens,
// plays, pauses and closes. Each does nothing while the mode is 0.
#pragma once

// Shows the bars (a hide-after below 0 keeps a bar, 0 hides it at once),
// creating them on first use and placing them over the video.
void m_OSD_ShowBars(int top, int topHideMs, int bottom, int bottomHideMs, int fade);
// Topmost in full screen and while the main window is always-on-top.
void m_OSD_FollowTopmost();
// The title of the top bar.
void m_OSD_SetBarsTitle(const wchar_t* title);
// The volume gauge, in percent.
void m_OSD_SetBarsVolume(int percent);
// Hides the bars and empties their position and title.
void m_OSD_ClearBars();
