#include "base/JpegExif.h"

#include <cstring>

namespace {

constexpr BYTE kExifId[6] = {'E', 'x', 'i', 'f', 0, 0};
constexpr WORD kTagExifIfd = 0x8769;
constexpr WORD kTagExifVersion = 0x9000;
constexpr WORD kTagUserComment = 0x9286;
// Our TIFF block: header (8), IFD0 with one entry (18), the EXIF IFD with
// two entries (30); a comment longer than 4 bytes follows at this offset.
constexpr size_t kTiffFixed = 56;
constexpr size_t kExifIfdOffset = 26;
constexpr size_t kSegmentHead = 4 + sizeof kExifId;  // marker, length, "Exif\0\0"

// One marker segment of a JPEG: the marker byte, where its FF stands, and
// its payload after the length field.
struct SSegment {
    BYTE marker;
    size_t start;
    size_t body;
    size_t length;
};

// The segment whose marker is at pos: 1, or 0 at the start of scan or the
// end of image (their payload is not read), -1 when the bytes are damaged
// or end inside the segment.
int m_NextSegment(const BYTE* p, size_t size, size_t pos, SSegment* seg)
{
    if (pos >= size || p[pos] != 0xFF) return -1;
    while (pos + 1 < size && p[pos + 1] == 0xFF) ++pos;  // fill bytes
    if (pos + 1 >= size) return -1;
    seg->marker = p[pos + 1];
    seg->start = pos;
    seg->body = pos + 2;
    seg->length = 0;
    if (seg->marker == 0xDA || seg->marker == 0xD9) return 0;
    if (seg->marker == 0x01 || (seg->marker >= 0xD0 && seg->marker <= 0xD7)) return 1;
    if (pos + 4 > size) return -1;
    const size_t len = (size_t(p[pos + 2]) << 8) | p[pos + 3];
    if (len < 2 || pos + 2 + len > size) return -1;
    seg->body = pos + 4;
    seg->length = len - 2;
    return 1;
}

bool m_IsExifSegment(const BYTE* p, const SSegment& seg)
{
    return seg.marker == 0xE1 && seg.length >= sizeof kExifId &&
           std::memcmp(p + seg.body, kExifId, sizeof kExifId) == 0;
}

// A TIFF block in either byte order; every read is checked against its size.
struct STiff {
    const BYTE* p;
    size_t size;
    bool little;
};

bool m_Read16(const STiff& t, size_t off, unsigned* v)
{
    if (off > t.size || t.size - off < 2) return false;
    const BYTE* b = t.p + off;
    *v = t.little ? unsigned(b[0] | b[1] << 8) : unsigned(b[0] << 8 | b[1]);
    return true;
}

bool m_Read32(const STiff& t, size_t off, DWORD* v)
{
    if (off > t.size || t.size - off < 4) return false;
    const BYTE* b = t.p + off;
    *v = t.little ? DWORD(b[0]) | DWORD(b[1]) << 8 | DWORD(b[2]) << 16 | DWORD(b[3]) << 24
                  : DWORD(b[3]) | DWORD(b[2]) << 8 | DWORD(b[1]) << 16 | DWORD(b[0]) << 24;
    return true;
}

// Offset of the directory entry of tag in the IFD at ifd; 0 when absent.
size_t m_FindTag(const STiff& t, size_t ifd, WORD tag)
{
    unsigned count = 0;
    if (!m_Read16(t, ifd, &count)) return 0;
    for (unsigned i = 0; i < count; ++i) {
        const size_t entry = ifd + 2 + size_t(i) * 12;
        unsigned id = 0;
        if (!m_Read16(t, entry, &id) || t.size - entry < 12) return 0;
        if (id == tag) return entry;
    }
    return 0;
}

int m_CommentInTiff(const STiff& t, const BYTE** value, DWORD* length)
{
    unsigned magic = 0;
    DWORD ifd0 = 0, exifIfd = 0;
    if (!m_Read16(t, 2, &magic) || magic != 42 || !m_Read32(t, 4, &ifd0)) return 0;
    const size_t pointer = m_FindTag(t, ifd0, kTagExifIfd);
    if (!pointer || !m_Read32(t, pointer + 8, &exifIfd)) return 0;
    const size_t entry = m_FindTag(t, exifIfd, kTagUserComment);
    unsigned type = 0;
    DWORD count = 0, offset = 0;
    if (!entry || !m_Read16(t, entry + 2, &type) || !m_Read32(t, entry + 4, &count)) return 0;
    // Only one-byte types: the comment is a run of bytes.
    if (type != 1 && type != 2 && type != 6 && type != 7) return 0;
    if (count <= 4) {
        offset = DWORD(entry + 8);
    } else if (!m_Read32(t, entry + 8, &offset)) {
        return 0;
    }
    if (offset > t.size || count > t.size - offset) return 0;
    *value = t.p + offset;
    *length = count;
    return 1;
}

void m_Put16(BYTE* b, unsigned v)
{
    b[0] = BYTE(v);
    b[1] = BYTE(v >> 8);
}

void m_Put32(BYTE* b, DWORD v)
{
    m_Put16(b, v & 0xFFFF);
    m_Put16(b + 2, v >> 16);
}

void m_PutEntry(BYTE* b, WORD tag, WORD type, DWORD count, DWORD value)
{
    m_Put16(b, tag);
    m_Put16(b + 2, type);
    m_Put32(b + 4, count);
    m_Put32(b + 8, value);
}

// Writes the whole APP1 segment (little-endian TIFF) to out.
void m_WriteSegment(BYTE* out, const void* data, unsigned length)
{
    const size_t total = m_UserCommentSegmentSize(length);
    out[0] = 0xFF;
    out[1] = 0xE1;
    out[2] = BYTE((total - 2) >> 8);
    out[3] = BYTE(total - 2);
    std::memcpy(out + 4, kExifId, sizeof kExifId);
    BYTE* t = out + kSegmentHead;
    std::memset(t, 0, kTiffFixed);
    t[0] = t[1] = 'I';
    m_Put16(t + 2, 42);
    m_Put32(t + 4, 8);
    m_Put16(t + 8, 1);
    m_PutEntry(t + 10, kTagExifIfd, 4, 1, kExifIfdOffset);
    BYTE* ifd = t + kExifIfdOffset;
    m_Put16(ifd, 2);
    m_PutEntry(ifd + 2, kTagExifVersion, 7, 4, 0);
    std::memcpy(ifd + 10, "0230", 4);
    m_PutEntry(ifd + 14, kTagUserComment, 7, length, length > 4 ? DWORD(kTiffFixed) : 0);
    if (length > 4)
        std::memcpy(t + kTiffFixed, data, length);
    else if (length > 0)
        std::memcpy(ifd + 22, data, length);
}

}  // namespace

int m_FindUserComment(const BYTE* jpeg, size_t size, const BYTE** value, DWORD* length)
{
    if (!jpeg || !value || !length || size < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return 0;
    SSegment seg;
    for (size_t pos = 2; m_NextSegment(jpeg, size, pos, &seg) > 0; pos = seg.body + seg.length) {
        if (!m_IsExifSegment(jpeg, seg)) continue;
        const BYTE* tiff = jpeg + seg.body + sizeof kExifId;
        const size_t tiffSize = seg.length - sizeof kExifId;
        if (tiffSize < 8) return 0;
        const bool little = tiff[0] == 'I' && tiff[1] == 'I';
        if (!little && !(tiff[0] == 'M' && tiff[1] == 'M')) return 0;
        return m_CommentInTiff(STiff{tiff, tiffSize, little}, value, length);
    }
    return 0;
}

unsigned m_MaxUserComment() { return unsigned(0xFFFF - 2 - sizeof kExifId - kTiffFixed); }

size_t m_UserCommentSegmentSize(unsigned length)
{
    return kSegmentHead + kTiffFixed + (length > 4 ? length : 0);
}

size_t m_PutUserComment(const BYTE* jpeg, size_t size, const void* data, unsigned length, BYTE* out,
                        size_t cap)
{
    if (!jpeg || !out || (!data && length) || length > m_MaxUserComment()) return 0;
    if (size < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8) return 0;
    const size_t added = m_UserCommentSegmentSize(length);
    if (cap < size || cap - size < added) return 0;
    out[0] = 0xFF;
    out[1] = 0xD8;
    size_t o = 2;
    bool inserted = false;
    SSegment seg;
    for (size_t pos = 2;; pos = seg.body + seg.length) {
        const int r = m_NextSegment(jpeg, size, pos, &seg);
        if (r < 0) return 0;
        // The EXIF segment goes after any JFIF segment and before the rest.
        if (!inserted && (r == 0 || seg.marker != 0xE0)) {
            m_WriteSegment(out + o, data, length);
            o += added;
            inserted = true;
        }
        if (r == 0) {
            std::memcpy(out + o, jpeg + seg.start, size - seg.start);
            return o + size - seg.start;
        }
        if (m_IsExifSegment(jpeg, seg)) continue;
        const size_t n = seg.body + seg.length - seg.start;
        std::memcpy(out + o, jpeg + seg.start, n);
        o += n;
    }
}
