// The open-files list: an unsaved list of individually opened files whose
// entries keep their check states and settings in Resume.dat, each under
// its own file's key.
#pragma once
#include <windows.h>

#include "filedata/ResumeInfo.h"
#include "playlist/TrackInfo.h"

// Takes each entry's stored chapter check states and settings into the
// entry (while no file is open or opening the last entry with settings
// fills the track level; the entry the file-open thread is opening is left
// to that thread) and shows the check boxes when a stored text asks for
// them. Returns the check mode set.
int m_UpdateOpenFilesResume();
// Saves every entry's check states and settings to its own Resume.dat
// record; stored positions stay, stored stream selections go.
void m_Resume_SaveOpenFiles();
// What an entry contributes to its record: its chapter check states
// ("+" in front without check boxes, an empty track row, the chapter mask)
// and, with its settings flag, its settings groups.
void m_Resume_MakeEntryRecord(const STRACKINFO* track, int checkBoxes, SRESUMEINFO* out);
