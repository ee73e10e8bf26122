// The steps of the settings upgrade, by phase, and what they share.
#pragma once
#include <windows.h>

#include "settings/SettingsValue.h"

// Phase 1: keys moved or reshaped in the file.
void m_UpgradeFileKeys(int version);
// Phase 0: values corrected in the loaded settings; 1 when any changed.
int m_UpgradeLoadedValues(int version);

// A key's value; false when the key is absent. A value of "-" counts as
// absent, as older versions wrote it for none.
bool m_UpgradeReadKey(const wchar_t* section, const wchar_t* key, wchar_t (&out)[kSettingValueCap]);
void m_UpgradeDeleteKey(const wchar_t* section, const wchar_t* key);
