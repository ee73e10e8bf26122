// Path and file helpers on caller-owned wide-character buffers.
// Every copy is bounded by the buffer it writes and truncates.
#pragma once
#include <windows.h>

// Capacities of the buffers the path helpers work with.
constexpr int kPathCap = MAX_PATH + 1;  // 261 characters
constexpr int kNameCap = 257;

// folder + "\" + name into out (kPathCap characters), one backslash
// between them; false, leaving out unspecified, when it would not fit.
bool m_JoinFolderName(wchar_t* out, const wchar_t* folder, const wchar_t* name);

// Server and share of a UNC path ("\\server\share"), else the drive ("C:");
// 1 when the result is not empty.
int m_GetPathRoot(const wchar_t* path, wchar_t* out, int size);

// DRIVE_REMOTE (4) for a UNC path, else the drive type of the path's root;
// -1 when the type cannot be told.
int m_GetDriveKind(const wchar_t* path);

// 0 empty or missing, 1 existing file, 2 existing directory.
int m_PathExistsKind(const wchar_t* path);

// Splits a command text into an existing program path and its arguments;
// 1 when found, else both outputs empty and 0.
int m_SplitCommandPath(const wchar_t* command, wchar_t* outPath, int pathSize, wchar_t* outArgs,
                       int argsSize);

// Full path of a relative path taken against base (an existing file or
// folder; a file's folder is used). Does not touch the current directory.
int m_GetFullPath(wchar_t* out, int size, const wchar_t* base, const wchar_t* relative);

// Parent (drive and folder, no trailing backslash) and last element of a path.
// outParent holds kPathCap characters, outName kNameCap; 0 for an empty path.
int m_SplitFolderName(const wchar_t* path, wchar_t* outParent, wchar_t* outName);

// Drive and folder of the path (a folder's parent), with a trailing backslash
// when asked; 1 when the result differs from the input.
int m_GetParentFolder(wchar_t* out, int size, const wchar_t* path, int addBackslash);

// File name (with its extension when asked); for a path ending in a
// backslash the last folder's name. 0 for an empty path.
int m_GetFileName(wchar_t* out, int size, const wchar_t* path, int withExtension);

// Extension without its dot (with it when asked); 0 for an empty path.
int m_GetExtension(wchar_t* out, int size, const wchar_t* path, int withDot);

// Nearest existing folder above the path, with a trailing backslash;
// empty when there is none. Always 1.
int m_FindExistingParent(wchar_t* out, int size, const wchar_t* path);

// Path of a shell special folder; out holds kPathCap characters.
int m_GetSpecialFolder(int csidl, wchar_t* out, int addBackslash);

// Creates every missing level of the path: 2 already a folder, 1 created,
// -1 a level is a file, -3 failed near the root, -2 failed deeper.
int m_CreateDirectoryTree(const wchar_t* path);

// Looks for folder\name, then through subfolders down to depth levels;
// 1 with the path found, 0 when not found.
int m_FindFileRecursive(wchar_t* out, int size, const wchar_t* name, const wchar_t* folder,
                        int depth);
