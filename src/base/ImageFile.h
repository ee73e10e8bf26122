// Picture files, PNG resources and in-memory pictures into a CArgbImage,
// and a CArgbImage out as JPEG, PNG, GIF or BMP, through GDI+ (started by
// the caller). The attached block of an image travels as the JPEG's EXIF
// user comment, read and written by our own code (JpegExif.h).
#pragma once
#include <windows.h>
#include <objidl.h>

#include "base/ArgbImage.h"

// GDI+ for the run: the status of its start (0 is Ok; a second call
// reports Ok), and its end once the last GDI+ object is gone.
int m_GdiplusStartup();
void m_GdiplusShutdown();

// Output formats of m_SaveImageFile; any other value writes BMP.
enum { IMAGE_FORMAT_GIF = 1, IMAGE_FORMAT_PNG = 2, IMAGE_FORMAT_JPEG = 3 };

// Loads a file (path taken up to 260 characters) with opaque pixels, and
// its user comment into the attached block (cut to 16,383 bytes; freed when
// the file has none). 1 on success; 0 when the file cannot be opened or
// decoded or its size cannot be held: the image then keeps its pixels and
// its block.
int m_LoadImageFile(CArgbImage* img, const wchar_t* path);
// The same from a stream, from its current position, keeping the alpha of
// the picture; the image is re-created only when its size differs.
int m_LoadImageFromStream(CArgbImage* img, IStream* stream);
// The same over global memory holding a picture file (not freed here).
int m_LoadImageFromMemory(CArgbImage* img, HGLOBAL memory);
// The program's own resource of type "PNG" with that id; 1 or 0.
int m_LoadPngResource(CArgbImage* img, WORD id, int unused = 0);

// Writes the image (without its alpha) in the format; quality 0..100 is
// the JPEG quality. With data and size, a JPEG carries those bytes as its
// user comment (other formats have none). 1 on success, else 0.
int m_SaveImageFile(const CArgbImage* img, const wchar_t* path, int format, int quality,
                    const void* data, unsigned size);
// A JPEG in a new memory stream (the caller releases it): its size in
// bytes, or 0 with *out null when it could not be written.
unsigned m_SaveJpegToStream(const CArgbImage* img, IStream** out, int unused, int quality,
                            const void* data, unsigned size);
// A JPEG in a new buffer from malloc (the caller frees it): its size, or 0
// with *out null.
unsigned m_SaveJpegToMemory(const CArgbImage* img, void** out, int unused, int quality,
                            const void* data, unsigned size);

// Index of the GDI+ encoder of exactly that MIME type, its class id in out;
// -1 when there is none.
int m_GetEncoderClsid(const wchar_t* mime, CLSID* out);
