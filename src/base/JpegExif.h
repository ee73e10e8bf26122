// The EXIF user comment (tag 0x9286) of JPEG files, read and written by our
// own code on the raw bytes: the imaging library keeps the pixels only.
#pragma once
#include <windows.h>

#include <cstddef>

// Longest user comment an image keeps; its attached block has one byte more.
constexpr unsigned kUserCommentCap = 16383;
constexpr unsigned kUserCommentBlock = 16384;
// Bytes of a file's head that hold its EXIF segment: the segments before it
// and the segment itself are each at most 64 KiB long.
constexpr size_t kExifHeadBytes = 4 * 65536;

// Finds the user comment in a JPEG (or the head of one). 1 with *value
// pointing into jpeg and *length its size; 0 when there is none, the data
// is not a JPEG, or the EXIF directory is damaged or points past its segment.
int m_FindUserComment(const BYTE* jpeg, size_t size, const BYTE** value, DWORD* length);

// Longest comment that fits the one EXIF segment we write.
unsigned m_MaxUserComment();
// Bytes the EXIF segment of a comment of that length takes.
size_t m_UserCommentSegmentSize(unsigned length);

// Copies the JPEG to out with an EXIF segment carrying the comment in place
// of any EXIF segment it had. out must hold size + m_UserCommentSegmentSize
// bytes. Returns the bytes written, 0 when the input is not a well-formed
// JPEG, the comment is too long or out is too small.
size_t m_PutUserComment(const BYTE* jpeg, size_t size, const void* data, unsigned length, BYTE* out,
                        size_t cap);
