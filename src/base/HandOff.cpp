#include "base/HandOff.h"

namespace {
// Opens and adds run on the UI thread only.
int s_Depth;
}  // namespace

CHandOffScope::CHandOffScope() : m_Depth(++s_Depth) {}
CHandOffScope::~CHandOffScope() { --s_Depth; }
