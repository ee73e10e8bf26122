// Applying settings while the program runs: after another instance saved
// them, and the renderer choice when the options are accepted.
#pragma once
#include <windows.h>

// After a reload: compares the reloaded block with g_SettingsCopy (the
// values before it) and the default video properties with their copy,
// and re-applies each aspect that changed.
void m_ApplyChangedSettings();
// Takes over [Common] Video as the renderer kind in use; reopens an open
// file when the kind changed.
void m_ApplyRendererKind();
// Cancelling the options: the live block, the default video properties and
// the lists go back to what was last saved, and what differed is applied
// again (the renderer kind, tooltips, topmost, data files, the instance
// switch, which is written at once, and an open file reopened when its
// renderer changes).
void m_Options_Revert();
// The whole reload on another instance's settings notice: every group,
// the changed aspects, then the copies and snapshots.
void m_ReloadSettings();
