// Chapters of a track as the user edits them: added at the position, moved,
// deleted, renamed, reset to the media's own.
#pragma once

// -1 when no file is open; else the new or moved chapter's index.
int m_Chapter_AddCurrent(int snapMs);
int m_Chapter_Add(int track, int posMs, int apply, int snapMs, int message);
void m_Chapter_Apply(int track);
void m_Chapter_Reset(int track, int message);
int m_Chapter_DeleteCurrent();
int m_Chapter_Delete(int track, int index, int apply, int message);
int m_Chapter_Rename(int track, int index, const wchar_t* name);
void m_Chapter_SyncFromEngine(int replace);
