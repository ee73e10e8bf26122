// The settings-file rewrite offered as a command.
#pragma once

// Rewrites the settings file as a fresh skeleton followed by the settings,
// then plays sound cue 0.
void m_Test_RewriteIni();
