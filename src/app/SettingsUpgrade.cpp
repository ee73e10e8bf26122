#include "app/SettingsUpgrade.h"

// No older settings format is known to this build yet: nothing to migrate.
void m_UpgradeIniFile(int) {}
