#include <doctest/doctest.h>

#include "ArgbFixture.h"
#include "ImageFileFixture.h"
#include "base/ImageFile.h"
#include "base/JpegExif.h"
#include "resources/resource.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace gp = Gdiplus::DllExports;

namespace {

std::string Block(const CArgbImage& img)
{
    return img.m_Data ? std::string(reinterpret_cast<const char*>(img.m_Data), img.m_DataSize)
                      : std::string();
}

void SetBlock(CArgbImage& img, const std::string& bytes)
{
    img.m_FreeData();
    img.m_Data = static_cast<BYTE*>(std::malloc(kUserCommentBlock));
    std::memcpy(img.m_Data, bytes.data(), bytes.size());
    img.m_DataSize = DWORD(bytes.size());
}

bool Near(uint32_t a, uint32_t b, int tolerance)
{
    for (int shift = 0; shift < 32; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        if (d > tolerance || d < -tolerance) return false;
    }
    return true;
}

// A PNG whose left half is transparent and right half opaque red, in new
// global memory (the caller frees it).
HGLOBAL MakeHalfTransparentPng(int w, int h)
{
    std::vector<uint32_t> px(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) px[size_t(y) * w + x] = x < w / 2 ? 0x00000000 : 0xFFFF0000;
    Gdiplus::GpBitmap* bitmap = nullptr;
    gp::GdipCreateBitmapFromScan0(w, h, w * 4, PixelFormat32bppARGB,
                                  reinterpret_cast<BYTE*>(px.data()), &bitmap);
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, FALSE, &stream);
    CLSID png;
    m_GetEncoderClsid(L"image/png", &png);
    gp::GdipSaveImageToStream(reinterpret_cast<Gdiplus::GpImage*>(bitmap), stream, &png, nullptr);
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream, &memory);
    stream->Release();
    gp::GdipDisposeImage(reinterpret_cast<Gdiplus::GpImage*>(bitmap));
    return memory;
}

std::vector<BYTE> BytesOf(HGLOBAL memory)
{
    const BYTE* p = static_cast<const BYTE*>(GlobalLock(memory));
    std::vector<BYTE> bytes(p, p + GlobalSize(memory));
    GlobalUnlock(memory);
    return bytes;
}

}  // namespace

TEST_CASE("PNG and BMP round trip pixel for pixel; each format has its signature")
{
    CGdiplusScope gdiplus;
    REQUIRE(gdiplus.m_Ok);
    CTempFolder tmp;
    CArgbImage img;
    REQUIRE(MakeNumbered(img, 7, 5));
    struct {
        int format;
        const wchar_t* name;
        const char* signature;
        bool exact;
    } cases[] = {{2, L"a.png", "\x89PNG", true}, {0, L"a0.bmp", "BM", true},
                 {4, L"a4.bmp", "BM", true},     {99, L"a99.bmp", "BM", true},
                 {1, L"a.gif", "GIF8", false},   {3, L"a.jpg", "\xFF\xD8\xFF", false}};
    for (auto& c : cases) {
        CAPTURE(c.format);
        const std::wstring path = tmp.m_File(c.name);
        REQUIRE(m_SaveImageFile(&img, path.c_str(), c.format, 90, nullptr, 0) == 1);
        const std::vector<BYTE> bytes = ReadBytes(path);
        REQUIRE(bytes.size() > 8);
        CHECK(std::memcmp(bytes.data(), c.signature, std::strlen(c.signature)) == 0);
        CArgbImage back;
        REQUIRE(m_LoadImageFile(&back, path.c_str()) == 1);
        CHECK(back.m_Width == 7);
        CHECK(back.m_Height == 5);
        if (c.exact)
            for (int y = 0; y < 5; ++y)
                for (int x = 0; x < 7; ++x) CHECK(Px(back, x, y) == Px(img, x, y));
    }
}

TEST_CASE("a JPEG carries the attached block through file, memory and stream")
{
    CGdiplusScope gdiplus;
    CTempFolder tmp;
    CArgbImage img;
    REQUIRE(MakeFilled(img, 16, 12, 0xFF3070C0));
    const std::string block("abc\0", 4);
    const std::wstring path = tmp.m_File(L"block.jpg");
    REQUIRE(m_SaveImageFile(&img, path.c_str(), 3, 90, block.data(), 4) == 1);

    CArgbImage back;
    REQUIRE(m_LoadImageFile(&back, path.c_str()) == 1);
    CHECK(back.m_DataSize == 4);
    CHECK(Block(back) == block);
    CHECK(Near(Px(back, 8, 6), 0xFF3070C0, 8));

    void* memory = nullptr;
    const unsigned size = m_SaveJpegToMemory(&img, &memory, 0, 80, "hello", 6);
    REQUIRE(size > 0);
    WriteBytes(tmp.m_File(L"mem.jpg"), static_cast<BYTE*>(memory), size);
    std::free(memory);
    REQUIRE(m_LoadImageFile(&back, tmp.m_File(L"mem.jpg").c_str()) == 1);
    CHECK(Block(back) == std::string("hello", 6));

    IStream* stream = nullptr;
    REQUIRE(m_SaveJpegToStream(&img, &stream, 0, 80, "xyz12345", 9) > 0);
    REQUIRE(stream);
    CArgbImage fromStream;
    CHECK(m_LoadImageFromStream(&fromStream, stream) == 1);
    stream->Release();
    CHECK(Block(fromStream) == std::string("xyz12345", 9));
    CHECK(fromStream.m_Width == 16);

    // A JPEG without a comment frees the block the image had.
    REQUIRE(m_SaveImageFile(&img, path.c_str(), 3, 90, nullptr, 0) == 1);
    REQUIRE(m_LoadImageFile(&back, path.c_str()) == 1);
    CHECK(back.m_Data == nullptr);
    CHECK(back.m_DataSize == 0);
}

TEST_CASE("long comments: cut to 16,383 on loading, refused when no segment holds them")
{
    CGdiplusScope gdiplus;
    CTempFolder tmp;
    CArgbImage img;
    REQUIRE(MakeFilled(img, 8, 8, 0xFF808080));
    std::string big(20000, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = char('a' + i % 26);
    const std::wstring path = tmp.m_File(L"big.jpg");
    REQUIRE(m_SaveImageFile(&img, path.c_str(), 3, 90, big.data(), unsigned(big.size())) == 1);
    CArgbImage back;
    REQUIRE(m_LoadImageFile(&back, path.c_str()) == 1);
    CHECK(back.m_DataSize == 16383);
    CHECK(Block(back) == big.substr(0, 16383));

    const std::string huge(70000, 'h');
    const std::wstring refused = tmp.m_File(L"refused.jpg");
    CHECK(m_SaveImageFile(&img, refused.c_str(), 3, 90, huge.data(), unsigned(huge.size())) == 0);
    CHECK(GetFileAttributesW(refused.c_str()) == INVALID_FILE_ATTRIBUTES);
    void* memory = &img;
    CHECK(m_SaveJpegToMemory(&img, &memory, 0, 90, huge.data(), unsigned(huge.size())) == 0);
    CHECK(memory == nullptr);
}

TEST_CASE("a memory stream keeps a PNG's transparency, a file load makes it opaque")
{
    CGdiplusScope gdiplus;
    CTempFolder tmp;
    HGLOBAL png = MakeHalfTransparentPng(6, 4);
    REQUIRE(png);
    CArgbImage fromMemory, fromFile;
    REQUIRE(m_LoadImageFromMemory(&fromMemory, png) == 1);
    CHECK(m_Alpha(Px(fromMemory, 0, 0)) == 0);
    CHECK(Px(fromMemory, 5, 3) == 0xFFFF0000);
    const std::wstring path = tmp.m_File(L"alpha.png");
    WriteBytes(path, BytesOf(png));
    GlobalFree(png);
    REQUIRE(m_LoadImageFile(&fromFile, path.c_str()) == 1);
    CHECK(m_Alpha(Px(fromFile, 0, 0)) == 255);
    CHECK(Px(fromFile, 5, 3) == 0xFFFF0000);
}

TEST_CASE("a load that fails returns 0 and keeps the image's pixels and block")
{
    CGdiplusScope gdiplus;
    CTempFolder tmp;
    CArgbImage good;
    REQUIRE(MakeNumbered(good, 40, 30));
    REQUIRE(m_SaveImageFile(&good, tmp.m_File(L"good.png").c_str(), 2, 0, nullptr, 0));
    REQUIRE(m_SaveImageFile(&good, tmp.m_File(L"good.jpg").c_str(), 3, 90, "x", 2));
    const std::vector<BYTE> png = ReadBytes(tmp.m_File(L"good.png"));
    const std::vector<BYTE> jpg = ReadBytes(tmp.m_File(L"good.jpg"));
    std::vector<BYTE> corruptPng(png), garbageJpg(jpg.begin(), jpg.begin() + 2);
    for (size_t i = 16; i < corruptPng.size(); ++i) corruptPng[i] ^= 0x5A;
    for (int i = 0; i < 500; ++i) garbageJpg.push_back(BYTE(i * 37 + 11));
    struct {
        const wchar_t* name;
        std::vector<BYTE> bytes;
    } files[] = {
        {L"zero.png", {}},
        {L"zero.jpg", {}},
        {L"cut.png", std::vector<BYTE>(png.begin(), png.begin() + 30)},
        {L"cut.jpg", std::vector<BYTE>(jpg.begin(), jpg.begin() + 100)},
        {L"corrupt.png", corruptPng},
        {L"garbage.jpg", garbageJpg},
    };
    std::vector<std::wstring> paths = {tmp.m_File(L"missing.png"), tmp.m_Path,
                                       TestDataPath(L"huge_20000.png")};
    for (auto& f : files) {
        WriteBytes(tmp.m_File(f.name), f.bytes);
        paths.push_back(tmp.m_File(f.name));
    }
    for (const std::wstring& path : paths) {
        CAPTURE(std::string(path.begin(), path.end()));
        CArgbImage img;
        REQUIRE(MakeNumbered(img, 3, 2));
        SetBlock(img, "keep");
        CHECK(m_LoadImageFile(&img, path.c_str()) == 0);
        CHECK(img.m_Width == 3);
        CHECK(img.m_Height == 2);
        CHECK(Px(img, 2, 1) == (0xFF000000u | 2 << 8 | 1));
        CHECK(Block(img) == "keep");
    }
    // The same through memory: zero bytes and a corrupt PNG.
    for (const std::vector<BYTE>& bytes : {std::vector<BYTE>(1, 0), corruptPng}) {
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
        std::memcpy(GlobalLock(memory), bytes.data(), bytes.size());
        GlobalUnlock(memory);
        CArgbImage img;
        REQUIRE(MakeNumbered(img, 3, 2));
        SetBlock(img, "keep");
        CHECK(m_LoadImageFromMemory(&img, memory) == 0);
        CHECK(img.m_Width == 3);
        CHECK(Block(img) == "keep");
        GlobalFree(memory);
    }
}

TEST_CASE("a JPEG whose EXIF claims a comment longer than the file loads without it")
{
    CGdiplusScope gdiplus;
    CTempFolder tmp;
    CArgbImage img;
    REQUIRE(MakeFilled(img, 10, 10, 0xFF20A040));
    const std::wstring path = tmp.m_File(L"claim.jpg");
    REQUIRE(m_SaveImageFile(&img, path.c_str(), 3, 90, "0123456789", 11) == 1);
    std::vector<BYTE> bytes = ReadBytes(path);
    const BYTE* value = nullptr;
    DWORD length = 0;
    REQUIRE(m_FindUserComment(bytes.data(), bytes.size(), &value, &length) == 1);
    // The count field is the 4 bytes 12 before the comment's entry value.
    const size_t at = size_t(value - bytes.data());
    size_t count = 0;
    for (size_t i = 0; i + 4 <= at; ++i)
        if (bytes[i] == 11 && bytes[i + 1] == 0 && bytes[i + 2] == 0 && bytes[i + 3] == 0)
            count = i;
    REQUIRE(count > 0);
    bytes[count + 2] = 0x10;  // 0x0010000B bytes: more than the whole file
    WriteBytes(path, bytes);
    CArgbImage back;
    SetBlock(back, "old");
    CHECK(m_LoadImageFile(&back, path.c_str()) == 1);
    CHECK(back.m_Width == 10);
    CHECK(back.m_Data == nullptr);
}

TEST_CASE("saving an image without pixels fails cleanly; encoders are found by exact type")
{
    CGdiplusScope gdiplus;
    CTempFolder tmp;
    CArgbImage empty;
    CHECK(m_SaveImageFile(&empty, tmp.m_File(L"e.png").c_str(), 2, 90, nullptr, 0) == 0);
    void* memory = &empty;
    CHECK(m_SaveJpegToMemory(&empty, &memory, 0, 90, "a", 2) == 0);
    CHECK(memory == nullptr);
    IStream* stream = reinterpret_cast<IStream*>(&empty);
    CHECK(m_SaveJpegToStream(&empty, &stream, 0, 90, nullptr, 0) == 0);
    CHECK(stream == nullptr);
    CHECK(m_SaveImageFile(nullptr, tmp.m_File(L"n.png").c_str(), 2, 90, nullptr, 0) == 0);

    CLSID clsid;
    CHECK(m_GetEncoderClsid(L"image/jpeg", &clsid) >= 0);
    CHECK(m_GetEncoderClsid(L"image/png", &clsid) >= 0);
    CHECK(m_GetEncoderClsid(L"image/JPEG", &clsid) == -1);
    CHECK(m_GetEncoderClsid(L"image/none", &clsid) == -1);
}

TEST_CASE("PNG resources of the program load with their size; a missing one gives 0")
{
    CGdiplusScope gdiplus;
    CArgbImage atlas;
    REQUIRE(m_LoadPngResource(&atlas, IDR_BMPFONT_2X) == 1);
    CHECK(atlas.m_Height == 25);
    CHECK(atlas.m_Width > 500);
    CArgbImage none;
    CHECK(m_LoadPngResource(&none, 999) == 0);
    CHECK(!none.m_IsValid());
}

TEST_CASE("a PNG resource loaded again has the same pixels, whatever was done to an earlier copy")
{
    CGdiplusScope gdiplus;
    CArgbImage first, second;
    REQUIRE(m_LoadPngResource(&first, IDR_BMPFONT_1X) == 1);
    const std::vector<uint32_t> pixels(first.m_Bits, first.m_Bits + first.m_Count);
    first.m_Clear(false);
    first.m_Resize(7, 3, 1);
    // Into an image of another size and into one of the same size.
    REQUIRE(m_LoadPngResource(&second, IDR_BMPFONT_1X) == 1);
    CHECK(std::vector<uint32_t>(second.m_Bits, second.m_Bits + second.m_Count) == pixels);
    second.m_Clear(false);
    REQUIRE(m_LoadPngResource(&second, IDR_BMPFONT_1X) == 1);
    CHECK(std::vector<uint32_t>(second.m_Bits, second.m_Bits + second.m_Count) == pixels);
    CHECK(m_LoadPngResource(&second, IDR_BMPFONT_2X) == 1);
    CHECK(second.m_Height == 25);
}
