// CRC-64/WE of a media file's name: the key of its resume record and of the
// other per-file lookups.
#pragma once
#include <windows.h>
#include <cstddef>
#include <cstdint>

// CRC-64/WE (polynomial 0x42F0E1EBA9EA3693, MSB first, all-ones start and
// final XOR) of size bytes; 0 for none.
uint64_t m_Crc64Bytes(const void* data, size_t size);

// CRC-64/WE of the text's UTF-16LE bytes without the terminator; 0 for an
// empty or missing text.
uint64_t m_Crc64String(const wchar_t* text);
