// Chapter text files ("<media file>.chapter.txt"): finding, reading, and
// the one-time import into the information file.
#pragma once
#include <windows.h>

#include "engine/Chapters.h"

// out = media path + ".chapter.txt"; 0 missing, 1 file, 2 folder.
int m_ChapterText_FindPath(wchar_t* out, int size, const wchar_t* mediaPath);
// Reads the chapters (items null: only counts them); maximum -1 is 199.
// The number read; 0 when the file cannot be opened.
int m_ChapterText_Read(const wchar_t* path, SCHAPTERITEM* items, int maximum);
// Imports the media file's chapter text into g_FileInfo and its
// information file (g_FileInfoPath) and renames the text to ".bak"; the
// number of chapters imported.
int m_ChapterText_Import(const wchar_t* mediaPath);
