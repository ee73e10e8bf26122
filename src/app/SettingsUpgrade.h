// Upgrade of settings files written by older versions.
#pragma once

// Phase 1 runs before the settings are loaded, phase 0 after.
void m_UpgradeIniFile(int beforeLoad);
