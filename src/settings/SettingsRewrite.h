// The whole-file rewrite: recreates the settings file as UTF-16 with every
// section in a fixed order and has every writer write all its keys.
#pragma once
#include <windows.h>

// With deleteExisting an existing file is replaced, after what lives only in
// it has been read into memory. 1 when the new file was created; when it
// could not be, the writers still run and the system creates a plain file.
int m_Settings_RewriteFile(int deleteExisting);
