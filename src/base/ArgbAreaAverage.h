// Area-averaging reduction and enlargement of whole images.
#pragma once

class CArgbImage;

// Fills dst (already made at its target size) with src averaged by area:
// every target pixel covers a box of the source and each source pixel counts
// by its overlap with that box. With alphaWeighted, colours are weighted by
// their alpha as well. Results are truncated.
void m_AreaAverage(const CArgbImage& src, CArgbImage& dst, bool alphaWeighted);
