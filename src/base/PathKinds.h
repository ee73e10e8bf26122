// The existence of many paths at once, with the answers m_PathExistsKind
// gives one path at a time: a folder that holds many of them is read once
// instead of asking the file system about every file.
#pragma once
#include <windows.h>

class CFolderPrefetch;

// kinds[i] = m_PathExistsKind(paths[i]) for i < count: 0 missing (a null or
// empty path too), 1 file, 2 folder. A prefetch started for the folder of
// many of the paths is used in place of reading that folder.
void m_PathExistsKinds(const wchar_t* const* paths, int count, int* kinds,
                       CFolderPrefetch* prefetch = nullptr);
