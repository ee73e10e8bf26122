// Files that travel with a media file: its subtitle files, beside it, in
// the sub-folder [File] "StSub" or in the folder [File] "StDir".
#pragma once
#include <windows.h>

// With rebuild, the extension list is made again from [File] "StExt";
// with a name, 1 when its extension is listed.
int m_Subtitle_IsListedExt(const wchar_t* name, int rebuild);
// Splits "StExt" at ":" into the list; the number of entries.
int m_Subtitle_ParseExtList();
// Hands the open media file's subtitle files to the engine and, when it
// took one, selects the first (shown when asked); the number taken.
int m_Subtitle_LoadRelated(int show);
// Gives the subtitle files of oldPath the base name of newPath (checkOnly:
// only tells whether they could); 1 when every one did, also for none.
int m_Subtitle_RenameRelated(const wchar_t* oldPath, const wchar_t* newPath, int checkOnly);
