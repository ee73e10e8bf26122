#include <doctest/doctest.h>

#include "base/JpegExif.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// A JPEG skeleton: SOI, a JFIF segment, a quantisation table stand-in,
// then the start of scan with a few entropy bytes and EOI.
Bytes MinimalJpeg(bool withJfif = true)
{
    Bytes j = {0xFF, 0xD8};
    if (withJfif) {
        const BYTE app0[] = {0xFF, 0xE0, 0x00, 0x07, 'J', 'F', 'I', 'F', 0};
        j.insert(j.end(), app0, app0 + sizeof app0);
    }
    const BYTE dqt[] = {0xFF, 0xDB, 0x00, 0x04, 0x11, 0x22};
    const BYTE sos[] = {0xFF, 0xDA, 0x00, 0x02, 0x12, 0x34, 0xFF, 0x00, 0x56, 0xFF, 0xD9};
    j.insert(j.end(), dqt, dqt + sizeof dqt);
    j.insert(j.end(), sos, sos + sizeof sos);
    return j;
}

Bytes Put(const Bytes& jpeg, const std::string& comment)
{
    Bytes out(jpeg.size() + m_UserCommentSegmentSize(unsigned(comment.size())));
    const size_t n = m_PutUserComment(jpeg.data(), jpeg.size(), comment.data(),
                                      unsigned(comment.size()), out.data(), out.size());
    out.resize(n);
    return out;
}

std::string Find(const Bytes& jpeg, int* found)
{
    const BYTE* value = nullptr;
    DWORD length = 0;
    *found = m_FindUserComment(jpeg.data(), jpeg.size(), &value, &length);
    return *found ? std::string(reinterpret_cast<const char*>(value), length) : std::string();
}

// A hand-made big-endian EXIF segment: IFD0 -> EXIF IFD -> user comment.
Bytes BigEndianExif(DWORD claimedCount, const std::string& comment)
{
    Bytes t = {'M', 'M', 0,    42,   0, 0, 0, 8,                                 // header
               0,   1,   0x87, 0x69, 0, 4, 0, 0, 0, 1, 0, 0, 0, 26, 0, 0, 0, 0,  // IFD0
               0,   1,   0x92, 0x86, 0, 7};                                      // EXIF IFD
    const BYTE count[] = {BYTE(claimedCount >> 24), BYTE(claimedCount >> 16),
                          BYTE(claimedCount >> 8), BYTE(claimedCount)};
    t.insert(t.end(), count, count + 4);
    const BYTE offset[] = {0, 0, 0, 44, 0, 0, 0, 0};
    t.insert(t.end(), offset, offset + 8);
    t.insert(t.end(), comment.begin(), comment.end());
    Bytes seg = {0xFF, 0xE1, 0, 0, 'E', 'x', 'i', 'f', 0, 0};
    seg.insert(seg.end(), t.begin(), t.end());
    seg[2] = BYTE((seg.size() - 2) >> 8);
    seg[3] = BYTE(seg.size() - 2);
    Bytes j = MinimalJpeg(false);
    j.insert(j.begin() + 2, seg.begin(), seg.end());
    return j;
}

}  // namespace

TEST_CASE("a comment put into a JPEG is found again, bytes and length exact")
{
    const std::string cases[] = {
        std::string("abc\0", 4),           "", "x", std::string(5, 'q'), std::string(20000, 'z'),
        std::string("\x01\xFF\x00\x80", 4)};
    for (const std::string& comment : cases) {
        CAPTURE(comment.size());
        const Bytes out = Put(MinimalJpeg(), comment);
        REQUIRE(!out.empty());
        int found = 0;
        CHECK(Find(out, &found) == comment);
        CHECK(found == 1);
        // The picture's own segments and scan follow unchanged.
        const Bytes in = MinimalJpeg();
        CHECK(std::equal(in.end() - 17, in.end(), out.end() - 17));
    }
}

TEST_CASE("the EXIF segment follows the JFIF segment and replaces an older one")
{
    const Bytes once = Put(MinimalJpeg(), "first");
    CHECK(once[2] == 0xFF);
    CHECK(once[3] == 0xE0);  // JFIF stays first
    CHECK(once[12] == 0xE1);
    const Bytes twice = Put(once, "second!");
    int found = 0;
    CHECK(Find(twice, &found) == "second!");
    CHECK(twice.size() == once.size() + 2);  // one segment, two bytes longer
    CHECK(Put(MinimalJpeg(false), "abcdef")[3] == 0xE1);
}

TEST_CASE("a big-endian EXIF block written by another program is read")
{
    int found = 0;
    CHECK(Find(BigEndianExif(6, "Hello!"), &found) == "Hello!");
    CHECK(found == 1);
}

TEST_CASE("damaged or foreign data gives no comment and no read past the data")
{
    const Bytes good = Put(MinimalJpeg(), "0123456789");
    Bytes pastSegment = BigEndianExif(6, "Hello!");
    Bytes hugeIfd = good;
    // The EXIF IFD claims 65535 entries and holds no comment entry, so the
    // search runs on to the segment's end.
    const size_t tiff = 2 + 9 + 4 + 6;
    hugeIfd[tiff + 26] = 0xFF;
    hugeIfd[tiff + 27] = 0xFF;
    hugeIfd[tiff + 40] = 0x11;
    Bytes badOffset = good;
    badOffset[tiff + 26 + 2 + 12 + 8] = 0xF0;  // comment offset far outside
    Bytes badLength = good;
    badLength[2 + 9 + 2] = 0x7F;  // segment length beyond the data
    struct {
        const char* name;
        Bytes data;
    } cases[] = {
        {"zero bytes", {}},
        {"not a JPEG", {0x89, 'P', 'N', 'G', 0, 0, 0, 0}},
        {"SOI only", {0xFF, 0xD8}},
        {"cut inside the EXIF segment", Bytes(good.begin(), good.begin() + 40)},
        {"comment claims more than the file", BigEndianExif(60000, "short")},
        {"comment claims 4 GiB", BigEndianExif(0xFFFFFFFF, "short")},
        {"entry count past the segment", hugeIfd},
        {"comment offset past the segment", badOffset},
        {"segment length past the file", badLength},
        {"no EXIF segment", MinimalJpeg()},
    };
    for (auto& c : cases) {
        CAPTURE(std::string(c.name));
        // An exact-size heap copy lets a sanitizer or guard page see overreads.
        std::vector<BYTE> copy(c.data);
        int found = 1;
        Find(copy, &found);
        CHECK(found == 0);
    }
}

TEST_CASE("writing refuses what it cannot do cleanly")
{
    const Bytes jpeg = MinimalJpeg();
    std::vector<BYTE> out(jpeg.size() + m_UserCommentSegmentSize(m_MaxUserComment() + 1) + 16);
    const std::string tooLong(m_MaxUserComment() + 1, 'x');
    CHECK(m_PutUserComment(jpeg.data(), jpeg.size(), tooLong.data(), unsigned(tooLong.size()),
                           out.data(), out.size()) == 0);
    const std::string longest(m_MaxUserComment(), 'y');
    CHECK(m_PutUserComment(jpeg.data(), jpeg.size(), longest.data(), unsigned(longest.size()),
                           out.data(), out.size()) > 0);
    // Too small an output buffer, a PNG, and a JPEG cut inside a segment.
    CHECK(m_PutUserComment(jpeg.data(), jpeg.size(), "abc", 3, out.data(), jpeg.size()) == 0);
    const BYTE png[] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    CHECK(m_PutUserComment(png, sizeof png, "abc", 3, out.data(), out.size()) == 0);
    CHECK(m_PutUserComment(jpeg.data(), 8, "abc", 3, out.data(), out.size()) == 0);
    CHECK(m_MaxUserComment() > 16383);
}
