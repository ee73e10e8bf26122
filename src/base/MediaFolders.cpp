// Whether a folder holds anything playable, searched down a given depth.
#include "base/MediaTypes.h"

#include "base/PathUtil.h"

namespace {


bool m_IsDots(const wchar_t* name)
{
    return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0));
}

// Walks the folder's entries: playable files (not hidden) raise *files,
// subfolders are searched down depth levels. With stopAtFirst the walk ends
// at the first playable file found anywhere; true when one was found.
struct SFolderWalk {
    int StopAtFirst;
    int* Files;
    int* Folders;
    int FolderDepth;
};

bool m_Search(const wchar_t* folder, int depth, const SFolderWalk& walk);

bool m_Visit(const wchar_t* folder, const WIN32_FIND_DATAW& fd, int depth, const SFolderWalk& walk,
             bool* found)
{
    wchar_t path[kPathCap];
    if (!m_JoinFolderName(path, folder, fd.cFileName)) return false;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (walk.Folders) {
            SFolderWalk inner = {1, nullptr, nullptr, 0};
            if (m_Search(path, walk.FolderDepth, inner)) ++*walk.Folders, *found = true;
        } else if (depth >= 1 && m_Search(path, depth - 1, walk)) {
            *found = true;
        }
        return *found && walk.StopAtFirst;
    }
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) return false;
    if (m_IsPlayableFile(fd.cFileName) != 1) return false;
    *found = true;
    if (walk.Files) ++*walk.Files;
    return walk.StopAtFirst != 0;
}

bool m_Search(const wchar_t* folder, int depth, const SFolderWalk& walk)
{
    wchar_t pattern[kPathCap];
    if (!folder || !m_JoinFolderName(pattern, folder, L"*.*")) return false;
    WIN32_FIND_DATAW fd;
    HANDLE find = FindFirstFileW(pattern, &fd);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    do {
        if (m_IsDots(fd.cFileName)) continue;
        if (m_Visit(folder, fd, depth, walk, &found)) break;
    } while (FindNextFileW(find, &fd));
    FindClose(find);
    return found;
}

}  // namespace

int m_FolderHasPlayable(const wchar_t* folder, int depth)
{
    SFolderWalk walk = {1, nullptr, nullptr, 0};
    return m_Search(folder, depth, walk) ? 1 : 0;
}

int m_CountPlayableInFolder(const wchar_t* folder, int, int* files, int* folders)
{
    if (files) *files = 0;
    if (folders) *folders = 0;
    int fileCount = 0;
    SFolderWalk walk = {0, &fileCount, folders, 5};
    bool found = m_Search(folder, 0, walk);
    if (files) *files = fileCount;
    return found ? 1 : 0;
}
