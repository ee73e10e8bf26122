#include "base/ImageFile.h"

#include <gdiplus.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>

#include "base/JpegExif.h"

namespace gp = Gdiplus::DllExports;

namespace {

// The user comment found in a file's head, copied out before the pixels
// are decoded so that a failed decode changes nothing.
struct SComment {
    int found;
    DWORD length;
    BYTE bytes[kUserCommentCap];
};

// Looks for the comment in the head bytes read so far.
void m_TakeComment(const BYTE* head, size_t size, SComment* out)
{
    const BYTE* value = nullptr;
    DWORD length = 0;
    out->found = m_FindUserComment(head, size, &value, &length);
    if (!out->found) return;
    out->length = length < kUserCommentCap ? length : kUserCommentCap;
    std::memcpy(out->bytes, value, out->length);
}

void m_CommentFromFile(const wchar_t* path, SComment* out)
{
    out->found = 0;
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    BYTE* head = static_cast<BYTE*>(std::malloc(kExifHeadBytes));
    DWORD got = 0;
    if (head && ReadFile(file, head, DWORD(kExifHeadBytes), &got, nullptr))
        m_TakeComment(head, got, out);
    std::free(head);
    CloseHandle(file);
}

// Reads from the stream's current position and puts it back there.
void m_CommentFromStream(IStream* stream, SComment* out)
{
    out->found = 0;
    LARGE_INTEGER zero = {};
    ULARGE_INTEGER start = {};
    if (FAILED(stream->Seek(zero, STREAM_SEEK_CUR, &start))) return;
    BYTE* head = static_cast<BYTE*>(std::malloc(kExifHeadBytes));
    ULONG got = 0;
    if (head && SUCCEEDED(stream->Read(head, ULONG(kExifHeadBytes), &got)))
        m_TakeComment(head, got, out);
    std::free(head);
    LARGE_INTEGER back;
    back.QuadPart = LONGLONG(start.QuadPart);
    stream->Seek(back, STREAM_SEEK_SET, nullptr);
}

void m_ApplyComment(CArgbImage* img, const SComment& comment)
{
    if (!comment.found) {
        img->m_FreeData();
        return;
    }
    if (!img->m_Data) img->m_Data = static_cast<BYTE*>(std::malloc(kUserCommentBlock));
    if (!img->m_Data) {
        img->m_DataSize = 0;
        return;
    }
    std::memcpy(img->m_Data, comment.bytes, comment.length);
    img->m_DataSize = comment.length;
}

// Decoded pixels move into the image only once both the lock and the
// image's re-creation have worked; until then the image stays as it was.
// Sizes no image can hold are refused before the decoder allocates them.
int m_TakePixels(CArgbImage* img, Gdiplus::GpBitmap* bitmap, bool fromStream)
{
    UINT w = 0, h = 0;
    auto* image = reinterpret_cast<Gdiplus::GpImage*>(bitmap);
    if (gp::GdipGetImageWidth(image, &w) != Gdiplus::Ok ||
        gp::GdipGetImageHeight(image, &h) != Gdiplus::Ok || w < 1 || h < 1 ||
        w > UINT(kArgbMaxSide) || h > UINT(kArgbMaxSide) || UINT64(w) * h > UINT64(kArgbMaxPixels))
        return 0;
    const Gdiplus::GpRect all(0, 0, INT(w), INT(h));
    const Gdiplus::PixelFormat format = fromStream ? PixelFormat32bppARGB : PixelFormat32bppRGB;
    Gdiplus::BitmapData data = {};
    if (gp::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, format, &data) !=
        Gdiplus::Ok)
        return 0;
    int ok;
    if (fromStream && img->m_IsValid() && img->m_Width == INT(w) && img->m_Height == INT(h))
        ok = 1;
    else
        ok = img->m_Create(fromStream ? nullptr : img->m_hDC, INT(w), INT(h), 32);
    if (ok) {
        // Files come out opaque whatever the decoder leaves in the top byte.
        const uint32_t opaque = fromStream ? 0 : 0xFF000000u;
        for (UINT y = 0; y < h; ++y) {
            const auto* src = reinterpret_cast<const uint32_t*>(
                static_cast<const BYTE*>(data.Scan0) + ptrdiff_t(y) * data.Stride);
            uint32_t* dst = img->m_Row(INT(y));
            for (UINT x = 0; x < w; ++x) dst[x] = src[x] | opaque;
        }
    }
    gp::GdipBitmapUnlockBits(bitmap, &data);
    return ok;
}

}  // namespace

int m_LoadImageFile(CArgbImage* img, const wchar_t* path)
{
    if (!img || !path) return 0;
    wchar_t name[MAX_PATH + 1];
    wcsncpy(name, path, MAX_PATH);
    name[MAX_PATH] = L'\0';
    auto* comment = static_cast<SComment*>(std::malloc(sizeof(SComment)));
    if (!comment) return 0;
    m_CommentFromFile(name, comment);
    Gdiplus::GpBitmap* bitmap = nullptr;
    int ok = 0;
    if (gp::GdipCreateBitmapFromFile(name, &bitmap) == Gdiplus::Ok && bitmap) {
        ok = m_TakePixels(img, bitmap, false);
        gp::GdipDisposeImage(reinterpret_cast<Gdiplus::GpImage*>(bitmap));
    }
    if (ok) m_ApplyComment(img, *comment);
    std::free(comment);
    return ok;
}

int m_LoadImageFromStream(CArgbImage* img, IStream* stream)
{
    if (!img || !stream) return 0;
    auto* comment = static_cast<SComment*>(std::malloc(sizeof(SComment)));
    if (!comment) return 0;
    m_CommentFromStream(stream, comment);
    Gdiplus::GpBitmap* bitmap = nullptr;
    int ok = 0;
    if (gp::GdipCreateBitmapFromStream(stream, &bitmap) == Gdiplus::Ok && bitmap) {
        ok = m_TakePixels(img, bitmap, true);
        gp::GdipDisposeImage(reinterpret_cast<Gdiplus::GpImage*>(bitmap));
    }
    if (ok) m_ApplyComment(img, *comment);
    std::free(comment);
    return ok;
}

int m_LoadImageFromMemory(CArgbImage* img, HGLOBAL memory)
{
    if (!img || !memory) return 0;
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, FALSE, &stream)) || !stream) return 0;
    const int ok = m_LoadImageFromStream(img, stream);
    stream->Release();
    return ok;
}

namespace {

// Decoding a resource costs GDI+ a stream and a bitmap each time, and a
// window made again decodes the same strips again: each decoded resource
// is kept for the process (the resources never change) and copied out.
constexpr int kPngCacheCap = 24;

struct SPngCacheEntry {
    WORD Id;
    CArgbImage* Image;
};

SRWLOCK g_PngCacheLock = SRWLOCK_INIT;
SPngCacheEntry g_PngCache[kPngCacheCap];
int g_PngCacheCount = 0;

int m_DecodePngResource(CArgbImage* img, WORD id)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
    const DWORD size = found ? SizeofResource(module, found) : 0;
    HGLOBAL loaded = size ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return 0;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    void* copy = memory ? GlobalLock(memory) : nullptr;
    if (!copy) {
        if (memory) GlobalFree(memory);
        return 0;
    }
    std::memcpy(copy, bytes, size);
    GlobalUnlock(memory);
    const int ok = m_LoadImageFromMemory(img, memory);
    GlobalFree(memory);
    return ok;
}

// The kept image of the id copied into img; 0 when none is kept.
int m_CopyCachedPng(CArgbImage* img, WORD id)
{
    int ok = 0;
    AcquireSRWLockShared(&g_PngCacheLock);
    for (int i = 0; i < g_PngCacheCount; ++i) {
        if (g_PngCache[i].Id != id) continue;
        ok = img->m_CopyFrom(g_PngCache[i].Image);
        break;
    }
    ReleaseSRWLockShared(&g_PngCacheLock);
    return ok;
}

// Keeps a copy of a decoded image; a full cache keeps nothing more, and an
// image with a user comment is not kept (copies carry none).
void m_KeepPng(const CArgbImage* img, WORD id)
{
    if (img->m_Data) return;
    AcquireSRWLockExclusive(&g_PngCacheLock);
    int known = 0;
    for (int i = 0; i < g_PngCacheCount; ++i) known |= g_PngCache[i].Id == id;
    if (!known && g_PngCacheCount < kPngCacheCap) {
        CArgbImage* kept = new CArgbImage();
        if (kept->m_CopyFrom(img))
            g_PngCache[g_PngCacheCount++] = SPngCacheEntry{id, kept};
        else
            delete kept;
    }
    ReleaseSRWLockExclusive(&g_PngCacheLock);
}

}  // namespace

int m_LoadPngResource(CArgbImage* img, WORD id, int)
{
    if (!img) return 0;
    if (m_CopyCachedPng(img, id)) {
        img->m_FreeData();  // as a decode without a comment leaves it
        return 1;
    }
    if (!m_DecodePngResource(img, id)) return 0;
    m_KeepPng(img, id);
    return 1;
}
