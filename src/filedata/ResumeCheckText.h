// The check-state text of a resume record: the track mask of the list and
// the chapter mask of each entry, as rows of hexadecimal bit masks.
#pragma once
#include <windows.h>

// Hexadecimal digits of one row, terminator included.
constexpr int kCheckRowCap = 128;

// One mask row: bit i set when flags[i] is nonzero, as "%08X" words from
// the highest used word down, leading zeros removed; all clear gives "".
// A mask longer than 127 digits keeps its lowest digits, so the first 508
// items keep their flags and the later ones read as checked.
void m_Resume_MaskRow(const UINT* flags, int count, wchar_t out[kCheckRowCap]);

// Row `row` of the text (0 the track mask, k the chapter mask of entry k-1).
typedef void (*PFNCHECKROW)(int row, wchar_t out[kCheckRowCap], void* context);

// Joins rows 0..rowCount-1 with ":", runs of equal rows after row 0 as
// ".n", an empty run to the end left out, "+" in front when the check boxes
// are off; cut to 255 characters only between rows.
void m_Resume_JoinCheckRows(int rowCount, PFNCHECKROW row, void* context, int checkBoxesOff,
                            wchar_t out[256]);
