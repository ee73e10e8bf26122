#include "base/ImageFile.h"

#include <gdiplus.h>
#include <shlwapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "base/JpegExif.h"

namespace gp = Gdiplus::DllExports;

namespace {

const wchar_t* m_MimeOf(int format)
{
    switch (format) {
        case IMAGE_FORMAT_GIF:
            return L"image/gif";
        case IMAGE_FORMAT_PNG:
            return L"image/png";
        case IMAGE_FORMAT_JPEG:
            return L"image/jpeg";
        default:
            return L"image/bmp";
    }
}

// A GDI+ bitmap over the image's own DIB pixels (no copy, no alpha).
Gdiplus::GpImage* m_BitmapOf(const CArgbImage* img)
{
    if (!img || !img->m_IsValid() || !img->m_Bits) return nullptr;
    Gdiplus::GpBitmap* bitmap = nullptr;
    BITMAPINFO info = {};
    info.bmiHeader = img->m_Header;
    if (gp::GdipCreateBitmapFromGdiDib(&info, img->m_Bits, &bitmap) != Gdiplus::Ok) return nullptr;
    return reinterpret_cast<Gdiplus::GpImage*>(bitmap);
}

// An 8-bit palette copy of the bitmap for the GIF encoder, which in some
// GDI+ versions writes a GIF without pixels from 32-bit input; the bitmap
// itself when no copy can be made.
Gdiplus::GpImage* m_ToIndexed(Gdiplus::GpImage* bitmap, const CArgbImage* img)
{
    Gdiplus::GpBitmap* indexed = nullptr;
    if (gp::GdipCloneBitmapAreaI(0, 0, img->m_Width, img->m_Height, PixelFormat8bppIndexed,
                                 reinterpret_cast<Gdiplus::GpBitmap*>(bitmap),
                                 &indexed) != Gdiplus::Ok ||
        !indexed)
        return bitmap;
    gp::GdipDisposeImage(bitmap);
    return reinterpret_cast<Gdiplus::GpImage*>(indexed);
}

// Encodes the image into the stream; quality is given to the JPEG encoder
// only (the others take no parameter).
bool m_Encode(const CArgbImage* img, IStream* stream, int format, int quality)
{
    CLSID encoder;
    if (m_GetEncoderClsid(m_MimeOf(format), &encoder) < 0) return false;
    Gdiplus::GpImage* bitmap = m_BitmapOf(img);
    if (!bitmap) return false;
    if (format == IMAGE_FORMAT_GIF) bitmap = m_ToIndexed(bitmap, img);
    LONG value = quality < 0 ? 0 : quality > 100 ? 100 : quality;
    Gdiplus::EncoderParameters params = {};
    params.Count = 1;
    params.Parameter[0].Guid = Gdiplus::EncoderQuality;
    params.Parameter[0].NumberOfValues = 1;
    params.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    params.Parameter[0].Value = &value;
    const bool jpeg = format == IMAGE_FORMAT_JPEG;
    const bool ok = gp::GdipSaveImageToStream(bitmap, stream, &encoder, jpeg ? &params : nullptr) ==
                    Gdiplus::Ok;
    gp::GdipDisposeImage(bitmap);
    return ok;
}

// The bytes of an encoded picture in a new malloc'ed buffer, with the user
// comment put in when one is given.
unsigned m_EncodeToBuffer(const CArgbImage* img, int format, int quality, const void* data,
                          unsigned size, BYTE** out)
{
    *out = nullptr;
    const bool comment = format == IMAGE_FORMAT_JPEG && data && size;
    if (comment && size > m_MaxUserComment()) return 0;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) || !stream) return 0;
    ULARGE_INTEGER length = {};
    unsigned result = 0;
    if (m_Encode(img, stream, format, quality) && SUCCEEDED(IStream_Size(stream, &length)) &&
        length.QuadPart > 0 && length.QuadPart < 0x40000000) {
        const size_t n = size_t(length.QuadPart);
        const size_t cap = n + (comment ? m_UserCommentSegmentSize(size) : 0);
        BYTE* encoded = static_cast<BYTE*>(std::malloc(n));
        BYTE* buffer = static_cast<BYTE*>(std::malloc(cap));
        if (encoded && buffer && SUCCEEDED(IStream_Reset(stream)) &&
            SUCCEEDED(IStream_Read(stream, encoded, ULONG(n)))) {
            if (comment) {
                result = unsigned(m_PutUserComment(encoded, n, data, size, buffer, cap));
            } else {
                std::memcpy(buffer, encoded, n);
                result = unsigned(n);
            }
        }
        std::free(encoded);
        if (result)
            *out = buffer;
        else
            std::free(buffer);
    }
    stream->Release();
    return result;
}

bool m_WriteWholeFile(const wchar_t* path, const BYTE* bytes, unsigned size)
{
    HANDLE file =
        CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes, size, &written, nullptr) && written == size;
    CloseHandle(file);
    if (!ok) DeleteFileW(path);
    return ok;
}

}  // namespace

int m_SaveImageFile(const CArgbImage* img, const wchar_t* path, int format, int quality,
                    const void* data, unsigned size)
{
    if (!img || !path || !*path) return 0;
    BYTE* bytes = nullptr;
    const unsigned n = m_EncodeToBuffer(img, format, quality, data, size, &bytes);
    if (!n) return 0;
    const bool ok = m_WriteWholeFile(path, bytes, n);
    std::free(bytes);
    return ok ? 1 : 0;
}

unsigned m_SaveJpegToStream(const CArgbImage* img, IStream** out, int, int quality,
                            const void* data, unsigned size)
{
    if (!out) return 0;
    *out = nullptr;
    BYTE* bytes = nullptr;
    const unsigned n = m_EncodeToBuffer(img, IMAGE_FORMAT_JPEG, quality, data, size, &bytes);
    if (!n) return 0;
    IStream* stream = nullptr;
    if (SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) && stream) {
        if (SUCCEEDED(IStream_Write(stream, bytes, n)) && SUCCEEDED(IStream_Reset(stream))) {
            *out = stream;
        } else {
            stream->Release();
        }
    }
    std::free(bytes);
    return *out ? n : 0;
}

unsigned m_SaveJpegToMemory(const CArgbImage* img, void** out, int, int quality, const void* data,
                            unsigned size)
{
    if (!out) return 0;
    BYTE* bytes = nullptr;
    const unsigned n = m_EncodeToBuffer(img, IMAGE_FORMAT_JPEG, quality, data, size, &bytes);
    *out = bytes;
    return n;
}

int m_GetEncoderClsid(const wchar_t* mime, CLSID* out)
{
    if (!mime || !out) return -1;
    UINT count = 0, bytes = 0;
    if (gp::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || !count || !bytes) return -1;
    auto* codecs = static_cast<Gdiplus::ImageCodecInfo*>(std::malloc(bytes));
    if (!codecs) return -1;
    int index = -1;
    if (gp::GdipGetImageEncoders(count, bytes, codecs) == Gdiplus::Ok) {
        for (UINT i = 0; i < count && index < 0; ++i) {
            if (codecs[i].MimeType && wcscmp(codecs[i].MimeType, mime) == 0) {
                *out = codecs[i].Clsid;
                index = int(i);
            }
        }
    }
    std::free(codecs);
    return index;
}
