// What the key bindings ask of the launcher screen. Until it is built the
// toggle only traces its call ([Main] "Test") and no screen is ever shown.
#pragma once

void m_Launcher_Toggle();
// The launcher is shown in its mode that holds playback.
int m_Launcher_HoldsPlayback();
// An item of the launcher's item menu (9474..9496) on the tile under the
// menu; mode 1 the plain form.
void m_Launcher_ItemCommand(int id, int mode);
// Renews the launcher's lists (history and favorites) from their records.
void m_Launcher_RefreshLists();
