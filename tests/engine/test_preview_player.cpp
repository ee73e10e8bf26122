#include <doctest/doctest.h>

#include <string.h>

#include <string>
#include <vector>

#include "engine/KeyFrameSearch.h"
#include "engine/PreviewPlayer.h"
#include "engine/VideoRenderer.h"

namespace {

// A block that ends where an inaccessible page begins: reading one byte
// past it faults.
struct SGUARDEDBLOCK {
    BYTE* base = nullptr;
    BYTE* data = nullptr;
    explicit SGUARDEDBLOCK(size_t size)
    {
        base = static_cast<BYTE*>(
            VirtualAlloc(nullptr, 2 * 65536, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base + 65536, 65536, PAGE_NOACCESS, &old);
        data = base + 65536 - size;
    }
    ~SGUARDEDBLOCK() { VirtualFree(base, 0, MEM_RELEASE); }
};

// A 32-bit DIB of w x h whose pixels count 1, 2, 3 ... with its header
// claiming sizeImage bytes, placed against the guard page.
BITMAPINFOHEADER* m_MakeDib(SGUARDEDBLOCK* block, int w, int h, WORD bits, DWORD sizeImage)
{
    const size_t pixels = static_cast<size_t>(w) * (h < 0 ? -h : h) * (bits / 8);
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof(header);
    header.biWidth = w;
    header.biHeight = h;
    header.biPlanes = 1;
    header.biBitCount = bits;
    header.biCompression = BI_RGB;
    header.biSizeImage = sizeImage;
    memcpy(block->data - pixels - sizeof(header), &header, sizeof(header));
    for (size_t i = 0; i < pixels / 4; ++i)
        reinterpret_cast<DWORD*>(block->data - pixels)[i] = i + 1;
    return reinterpret_cast<BITMAPINFOHEADER*>(block->data - pixels - sizeof(header));
}

}  // namespace

TEST_CASE("pixel copies stop at the end of the image they fill")
{
    CArgbImage image;
    REQUIRE(image.m_Create(nullptr, 4, 4, 32));
    std::vector<BYTE> big(128, 0xAB);
    CHECK(m_Preview_CopyPixels(&image, big.data(), big.size()) == 64);
    CHECK(image.m_Bits[15] == 0xABABABABu);

    std::vector<BYTE> small(16, 0x11);
    CHECK(m_Preview_CopyPixels(&image, small.data(), small.size()) == 16);
    CHECK(image.m_Bits[3] == 0x11111111u);
    CHECK(image.m_Bits[4] == 0xABABABABu);  // the rest untouched

    CArgbImage empty;
    CHECK(m_Preview_CopyPixels(&empty, big.data(), big.size()) == 0);
}

TEST_CASE("a current image is copied no further than its pixels, whatever its header claims")
{
    SGUARDEDBLOCK block(sizeof(BITMAPINFOHEADER) + 64);
    struct {
        int height;
        DWORD sizeImage;
    } cases[] = {{2, 1u << 20}, {2, 0}, {-2, 24}};
    for (const auto& c : cases) {
        CAPTURE(c.height);
        CAPTURE(c.sizeImage);
        SGUARDEDBLOCK guarded(sizeof(BITMAPINFOHEADER) + 3 * 2 * 4);
        CArgbImage image;
        REQUIRE(m_Preview_CopyDib(&image, m_MakeDib(&guarded, 3, c.height, 32, c.sizeImage)) == 1);
        CHECK(image.m_Width == 3);
        CHECK(image.m_Height == 2);
        CHECK(image.m_Bits[0] == 0xFF000001u);  // made opaque
        const int copied = c.sizeImage && c.sizeImage < 24 ? static_cast<int>(c.sizeImage) / 4 : 6;
        CHECK((image.m_Bits[copied - 1] & 0xFFFFFF) == static_cast<DWORD>(copied));
    }
    // Another depth is refused and leaves the image as it was.
    CArgbImage image;
    REQUIRE(image.m_Create(nullptr, 2, 2, 32));
    CHECK(m_Preview_CopyDib(&image, m_MakeDib(&block, 4, 4, 24, 0)) == 0);
    CHECK(image.m_Width == 2);
}

TEST_CASE("without an open file the player refuses seeks, grabs, steps and plays")
{
    SPREVIEWPLAYER& p = g_PreviewPlayer;
    CHECK(m_Preview_GetState(nullptr) == PREVIEW_STATE_IDLE);
    CHECK(m_Preview_GetState(L"C:\\a.avi") == PREVIEW_STATE_IDLE);
    m_Preview_Seek(1000, 0);
    CHECK(p.CurrentPosition == -1);
    CHECK(p.SeekInFlight == 0);
    p.PendingPosition = 20000000;
    m_Preview_GrabPending();
    CHECK(p.GrabInFlight == 0);
    p.PendingPosition = -1;
    m_Preview_StartStepping(0, 100, 100);
    CHECK(p.Stepping == 0);
    CHECK(m_Preview_PlayFrom(0) == kVrNotAvailable);
    CHECK(m_Preview_GrabImage(nullptr, 0) == 0);
    CHECK(m_Preview_GetPositionMs() == -1);
    CHECK(m_Preview_GetKeyFrameCount() == 0);
    CHECK(m_Preview_GetKeyFrame(0) == -1);
    CHECK(m_Preview_FindKeyFrame(1000) == kKeyFrameNoMs);
    // Nothing to open: no engine is made.
    CHECK(m_Preview_Open(L"") == 0);
    CHECK(m_Preview_Open(std::wstring(MAX_PATH + 5, L'a').c_str()) == 0);
    CHECK(m_Preview_GetEngine() == nullptr);
}
