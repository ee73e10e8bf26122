// AM_MEDIA_TYPE helpers: copies, frees and comparisons with the format
// block and pUnk handled as the COM contract says.
#pragma once
#include <windows.h>
#include <dshow.h>

// Frees the format block and releases pUnk; the record itself stays.
void m_Ds_FreeMediaType(AM_MEDIA_TYPE* type);
// Frees a type made by CoTaskMemAlloc (as enumerators hand them out).
void m_Ds_DeleteMediaType(AM_MEDIA_TYPE* type);
// Deep copy into an empty record; E_OUTOFMEMORY leaves it empty.
HRESULT m_Ds_CopyMediaType(AM_MEDIA_TYPE* out, const AM_MEDIA_TYPE* type);
// A CoTaskMemAlloc'd deep copy, null on failure.
AM_MEDIA_TYPE* m_Ds_CreateMediaType(const AM_MEDIA_TYPE* type);
// Same major type, subtype, format type and format bytes.
bool m_Ds_MediaTypeEqual(const AM_MEDIA_TYPE* a, const AM_MEDIA_TYPE* b);
// A type that names a major type, a subtype and a format (so it can be
// offered for a connection as it stands).
bool m_Ds_MediaTypeComplete(const AM_MEDIA_TYPE* type);
