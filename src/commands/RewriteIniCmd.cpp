#include "commands/RewriteIniCmd.h"

#include "base/SoundCue.h"
#include "settings/SettingsRewrite.h"

void m_Test_RewriteIni()
{
    m_Settings_RewriteFile(1);
    m_PlaySoundCue(0);
}
