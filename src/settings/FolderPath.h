// Comparing folder paths the way Windows does: without regard to case, a
// trailing backslash aside, a prefix only at a whole folder name.
#pragma once
#include <windows.h>

// 1 when both name the same folder or file.
int m_SamePath(const wchar_t* a, const wchar_t* b);
// 1 when path is folder itself or lies below it ("C:\v" holds "C:\v\a",
// not "C:\video").
int m_PathIsUnder(const wchar_t* path, const wchar_t* folder);
// The length of folder within path when m_PathIsUnder, else -1.
int m_PathUnderLength(const wchar_t* path, const wchar_t* folder);
