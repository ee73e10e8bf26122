#include "base/PathUtil.h"

#include <shlobj.h>
#include <wchar.h>

namespace {

bool IsSep(wchar_t c) { return c == L'\\' || c == L'/'; }

bool IsUnc(const wchar_t* path) { return path[0] == L'\\' && path[1] == L'\\' && path[2] != L'\\'; }

bool HasDrive(const wchar_t* path) { return path[0] && path[1] == L':'; }

// Length of the root: "\\server\share" of a UNC path, "C:" of a drive
// path, else 0.
int RootLength(const wchar_t* path)
{
    if (IsUnc(path)) {
        const wchar_t* serverEnd = wcschr(path + 2, L'\\');
        if (!serverEnd) return (int)wcslen(path);
        const wchar_t* shareEnd = wcschr(serverEnd + 1, L'\\');
        return shareEnd ? (int)(shareEnd - path) : (int)wcslen(path);
    }
    return HasDrive(path) ? 2 : 0;
}

// Copies len characters of text, cut to what out holds; false when cut.
bool CopyN(wchar_t* out, int size, const wchar_t* text, int len)
{
    if (size < 1) return false;
    int n = len < size ? len : size - 1;
    wmemcpy(out, text, n);
    out[n] = 0;
    return n == len;
}

bool Copy(wchar_t* out, int size, const wchar_t* text)
{
    return CopyN(out, size, text, (int)wcslen(text));
}

// Appends text; false (with out unchanged) when it does not fit.
bool Append(wchar_t* out, int size, const wchar_t* text)
{
    int len = (int)wcslen(out);
    int add = (int)wcslen(text);
    if (len + add >= size) return false;
    wmemcpy(out + len, text, add + 1);
    return true;
}

// Length of the path without one trailing separator, the root's kept.
int TrimmedLength(const wchar_t* path)
{
    int len = (int)wcslen(path);
    if (len > 1 && IsSep(path[len - 1]) && len - 1 >= RootLength(path)) --len;
    return len;
}

// Where the last element of path[0..len) starts.
int NameStart(const wchar_t* path, int len)
{
    int root = RootLength(path);
    for (int i = len - 1; i >= root; --i) {
        if (IsSep(path[i])) return i + 1;
    }
    return root < len ? root : len;
}

// Length of the drive and folder of path[0..len), without the separator.
int ParentLength(const wchar_t* path, int len)
{
    int root = RootLength(path);
    if (len <= root) return root;
    int start = NameStart(path, len);
    int parent = start > root ? start - 1 : start;
    return parent < root ? root : parent;
}

// Last '.' of the last element; -1 when none.
int ExtensionStart(const wchar_t* path, int nameStart, int len)
{
    for (int i = len - 1; i >= nameStart; --i) {
        if (path[i] == L'.') return i;
    }
    return -1;
}

// folder, a separator when it lacks one, and name.
bool JoinPath(wchar_t* out, int size, const wchar_t* folder, const wchar_t* name)
{
    if (!Copy(out, size, folder)) return false;
    int len = (int)wcslen(out);
    if (len > 0 && !IsSep(out[len - 1]) && !Append(out, size, L"\\")) return false;
    return Append(out, size, name);
}

bool PrefixExists(const wchar_t* text, int len)
{
    wchar_t candidate[kPathCap];
    if (len < 1 || len >= kPathCap) return false;
    CopyN(candidate, kPathCap, text, len);
    return m_PathExistsKind(candidate) != 0;
}

bool IsArgBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

void CopyTrimmedArgs(wchar_t* out, int size, const wchar_t* text)
{
    while (IsArgBlank(*text)) ++text;
    int len = (int)wcslen(text);
    while (len > 0 && IsArgBlank(text[len - 1])) --len;
    CopyN(out, size, text, len);
}

// The absolute folder a base stands for: the base itself when it is a
// folder, its folder when it is a file.
bool ResolveBaseFolder(const wchar_t* base, wchar_t* folder)
{
    DWORD n = GetFullPathNameW(base, kPathCap, folder, nullptr);
    if (n == 0 || n >= (DWORD)kPathCap) return false;
    int len = (int)wcslen(folder);
    if (len > 1 && IsSep(folder[len - 1]) && len - 1 > RootLength(folder)) folder[--len] = 0;
    DWORD attributes = GetFileAttributesW(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return true;
    int parent = ParentLength(folder, len);
    // A file right under the root keeps the root's separator ("C:\").
    if (parent < len && IsSep(folder[parent]) && parent <= RootLength(folder)) ++parent;
    folder[parent] = 0;
    return parent > 0;
}

bool SameDrive(const wchar_t* a, const wchar_t* b)
{
    return HasDrive(a) && HasDrive(b) && towupper(a[0]) == towupper(b[0]);
}

// The relative path written so that it no longer depends on the current
// folder: joined to the base folder the way the system would resolve it
// were the base the current folder.
bool JoinRelative(wchar_t* out, int size, const wchar_t* folder, const wchar_t* relative)
{
    out[0] = 0;
    if (IsSep(relative[0]) && IsSep(relative[1])) return Copy(out, size, relative);
    if (HasDrive(relative)) {
        if (IsSep(relative[2]) || !SameDrive(relative, folder)) return Copy(out, size, relative);
        return relative[2] ? JoinPath(out, size, folder, relative + 2) : Copy(out, size, folder);
    }
    if (IsSep(relative[0])) {
        return CopyN(out, size, folder, RootLength(folder)) && Append(out, size, relative);
    }
    return relative[0] ? JoinPath(out, size, folder, relative) : Copy(out, size, folder);
}

}  // namespace

int m_GetPathRoot(const wchar_t* path, wchar_t* out, int size)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    if (!path) return 0;
    CopyN(out, size, path, RootLength(path));
    return out[0] != 0;
}

int m_GetDriveKind(const wchar_t* path)
{
    if (!path) return -1;
    if (IsUnc(path)) return DRIVE_REMOTE;
    wchar_t root[4] = {path[0], L':', L'\\', 0};
    UINT kind = GetDriveTypeW(HasDrive(path) ? root : nullptr);
    return kind == DRIVE_UNKNOWN ? -1 : (int)kind;
}

int m_PathExistsKind(const wchar_t* path)
{
    if (!path || !*path) return 0;
    DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return 0;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? 2 : 1;
}

int m_SplitCommandPath(const wchar_t* command, wchar_t* outPath, int pathSize, wchar_t* outArgs,
                       int argsSize)
{
    if (!outPath || pathSize < 1 || !outArgs || argsSize < 1) return 0;
    outPath[0] = 0;
    outArgs[0] = 0;
    if (!command) return 0;
    int len = (int)wcslen(command);
    if (PrefixExists(command, len)) {
        CopyN(outPath, pathSize, command, len);
        return 1;
    }
    if (command[0] == L'"') {
        const wchar_t* close = wcschr(command + 1, L'"');
        if (close && PrefixExists(command + 1, (int)(close - command - 1))) {
            CopyN(outPath, pathSize, command + 1, (int)(close - command - 1));
            CopyTrimmedArgs(outArgs, argsSize, close + 1);
            return 1;
        }
    }
    for (int end = len - 1; end >= 0; --end) {
        if (command[end] == L' ' && PrefixExists(command, end)) {
            CopyN(outPath, pathSize, command, end);
            Copy(outArgs, argsSize, command + end + 1);
            return 1;
        }
    }
    return 0;
}

int m_GetFullPath(wchar_t* out, int size, const wchar_t* base, const wchar_t* relative)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    if (!base || !*base || !relative) return 0;
    wchar_t folder[kPathCap];
    if (!ResolveBaseFolder(base, folder)) return 0;
    wchar_t joined[2 * kPathCap];
    if (!JoinRelative(joined, 2 * kPathCap, folder, relative)) return 0;
    DWORD n = GetFullPathNameW(joined, (DWORD)size, out, nullptr);
    if (n == 0 || n >= (DWORD)size) {
        out[0] = 0;
        return 0;
    }
    return 1;
}

int m_SplitFolderName(const wchar_t* path, wchar_t* outParent, wchar_t* outName)
{
    if (!outParent || !outName) return 0;
    outParent[0] = 0;
    outName[0] = 0;
    if (!path || !*path) return 0;
    int len = TrimmedLength(path);
    CopyN(outParent, kPathCap, path, ParentLength(path, len));
    int start = NameStart(path, len);
    CopyN(outName, kNameCap, path + start, len - start);
    return 1;
}

int m_GetParentFolder(wchar_t* out, int size, const wchar_t* path, int addBackslash)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    if (!path || !*path) return 0;
    int len = TrimmedLength(path);
    int parent = ParentLength(path, len);
    CopyN(out, size, path, parent);
    if (addBackslash && parent > 0) Append(out, size, L"\\");
    return parent > 0 && parent < len ? 1 : 0;
}

int m_GetFileName(wchar_t* out, int size, const wchar_t* path, int withExtension)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    if (!path || !*path) return 0;
    int len = TrimmedLength(path);
    int start = NameStart(path, len);
    if (!withExtension) {
        int dot = ExtensionStart(path, start, len);
        if (dot >= 0) len = dot;
    }
    CopyN(out, size, path + start, len - start);
    return 1;
}

int m_GetExtension(wchar_t* out, int size, const wchar_t* path, int withDot)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    if (!path || !*path) return 0;
    int len = (int)wcslen(path);
    int dot = ExtensionStart(path, NameStart(path, len), len);
    if (dot >= 0) {
        int from = withDot ? dot : dot + 1;
        CopyN(out, size, path + from, len - from);
    }
    return 1;
}

int m_FindExistingParent(wchar_t* out, int size, const wchar_t* path)
{
    if (!out || size < 1) return 1;
    out[0] = 0;
    if (!path || !*path) return 1;
    wchar_t current[kPathCap];
    if (!Copy(current, kPathCap, path)) return 1;
    wchar_t parent[kPathCap];
    while (m_GetParentFolder(parent, kPathCap, current, 1)) {
        if (m_PathExistsKind(parent) == 2) {
            if (!Copy(out, size, parent)) out[0] = 0;
            return 1;
        }
        Copy(current, kPathCap, parent);
    }
    return 1;
}

int m_GetSpecialFolder(int csidl, wchar_t* out, int addBackslash)
{
    if (!out) return 0;
    out[0] = 0;
    PIDLIST_ABSOLUTE pidl = nullptr;
    HRESULT hr = SHGetSpecialFolderLocation(nullptr, csidl, &pidl);
    if (FAILED(hr) || !pidl) return 0;
    BOOL ok = SHGetPathFromIDListW(pidl, out);
    CoTaskMemFree(pidl);
    // A virtual folder has no file-system path to give.
    if (!ok || !out[0]) {
        out[0] = 0;
        return 0;
    }
    int len = (int)wcslen(out);
    if (addBackslash && !IsSep(out[len - 1])) Append(out, kPathCap, L"\\");
    return 1;
}

int m_CreateDirectoryTree(const wchar_t* path)
{
    if (!path || !*path) return -3;
    wchar_t buffer[kPathCap];
    if (!Copy(buffer, kPathCap, path)) return -3;
    int len = (int)wcslen(buffer);
    while (len > 1 && IsSep(buffer[len - 1]) && len - 1 > RootLength(buffer)) buffer[--len] = 0;
    if (m_PathExistsKind(buffer) == 2) return 2;
    int from = RootLength(buffer);
    if (from > 0 && IsSep(buffer[from])) ++from;
    int elementStart = from;
    int level = 0;
    for (int i = from; i <= len; ++i) {
        if (i < len && !IsSep(buffer[i])) continue;
        bool empty = i == elementStart;
        elementStart = i + 1;
        if (empty) continue;
        wchar_t saved = buffer[i];
        buffer[i] = 0;
        int kind = m_PathExistsKind(buffer);
        if (kind == 1) return -1;
        if (kind == 0 && !CreateDirectoryW(buffer, nullptr) && m_PathExistsKind(buffer) != 2)
            return level == 0 ? -3 : -2;
        buffer[i] = saved;
        ++level;
    }
    return 1;
}

namespace {

// A folder's identity: its volume and file index.
struct SFOLDERID {
    DWORD Volume, High, Low;
};

bool m_FolderId(const wchar_t* folder, SFOLDERID* id)
{
    HANDLE h = CreateFileW(folder, FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION info;
    const bool ok = GetFileInformationByHandle(h, &info) != FALSE;
    CloseHandle(h);
    if (ok) *id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return ok;
}

// The folders above the one searched; a folder met again is a loop.
constexpr int kSearchAncestorCap = 300;
struct SFOLDERSEARCH {
    const wchar_t* Name;
    wchar_t* Out;
    int Size;
    SFOLDERID Ancestors[kSearchAncestorCap];
    int Count;
};

bool m_IsAncestor(const SFOLDERSEARCH& s, const SFOLDERID& id)
{
    for (int i = 0; i < s.Count; ++i)
        if (s.Ancestors[i].Volume == id.Volume && s.Ancestors[i].High == id.High &&
            s.Ancestors[i].Low == id.Low)
            return true;
    return false;
}

int m_SearchFolder(SFOLDERSEARCH& s, const wchar_t* folder, int depth);

int m_SearchSubfolders(SFOLDERSEARCH& s, const wchar_t* folder, int depth)
{
    wchar_t pattern[kPathCap];
    if (!JoinPath(pattern, kPathCap, folder, L"*.*")) return 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(pattern, &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int found = 0;
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        // Links and junctions are not followed: one may lead back up.
        if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
        if (!wcscmp(data.cFileName, L".") || !wcscmp(data.cFileName, L"..")) continue;
        wchar_t sub[kPathCap];
        if (JoinPath(sub, kPathCap, folder, data.cFileName))
            found = m_SearchFolder(s, sub, depth - 1);
    } while (!found && FindNextFileW(find, &data));
    FindClose(find);
    return found;
}

int m_SearchFolder(SFOLDERSEARCH& s, const wchar_t* folder, int depth)
{
    wchar_t candidate[kPathCap];
    if (JoinPath(candidate, kPathCap, folder, s.Name) && m_PathExistsKind(candidate) != 0 &&
        Copy(s.Out, s.Size, candidate))
        return 1;
    s.Out[0] = 0;
    if (depth < 1) return 0;
    // Wine shows a Unix link to a folder as the folder itself: the folder's
    // identity tells a loop apart there.
    SFOLDERID id;
    const bool known = m_FolderId(folder, &id);
    if (known && (m_IsAncestor(s, id) || s.Count >= kSearchAncestorCap)) return 0;
    if (known) s.Ancestors[s.Count++] = id;
    const int found = m_SearchSubfolders(s, folder, depth);
    if (known) --s.Count;
    return found;
}

}  // namespace

int m_FindFileRecursive(wchar_t* out, int size, const wchar_t* name, const wchar_t* folder,
                        int depth)
{
    if (!out || size < 1) return 0;
    out[0] = 0;
    if (!name || !*name || !folder || !*folder) return 0;
    SFOLDERSEARCH search = {};
    search.Name = name;
    search.Out = out;
    search.Size = size;
    return m_SearchFolder(search, folder, depth);
}

bool m_JoinFolderName(wchar_t* out, const wchar_t* folder, const wchar_t* name)
{
    int len = lstrlenW(folder);
    bool slash = len > 0 && folder[len - 1] != L'\\';
    if (len + (slash ? 1 : 0) + lstrlenW(name) >= kPathCap) return false;
    lstrcpyW(out, folder);
    if (slash) lstrcatW(out, L"\\");
    lstrcatW(out, name);
    return true;
}
