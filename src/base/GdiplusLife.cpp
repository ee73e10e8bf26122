// GDI+ for the whole run: started before any window, shut down at exit.
#include <objidl.h>
#include <gdiplus.h>

#include "base/ImageFile.h"

namespace {

ULONG_PTR s_GdiplusToken;

}  // namespace

int m_GdiplusStartup()
{
    if (s_GdiplusToken) return Gdiplus::Ok;
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::Status status = Gdiplus::GdiplusStartup(&s_GdiplusToken, &input, nullptr);
    if (status != Gdiplus::Ok) s_GdiplusToken = 0;
    return static_cast<int>(status);
}

void m_GdiplusShutdown()
{
    if (!s_GdiplusToken) return;
    Gdiplus::GdiplusShutdown(s_GdiplusToken);
    s_GdiplusToken = 0;
}
