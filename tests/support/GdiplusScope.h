// GDI+ started for the life of a test (the player starts it at start-up).
#pragma once
#include <windows.h>

#include <objidl.h>
#include <gdiplus.h>

class CGdiplusScope {
public:
    CGdiplusScope()
    {
        Gdiplus::GdiplusStartupInput input;
        m_Ok = Gdiplus::GdiplusStartup(&m_Token, &input, nullptr) == Gdiplus::Ok;
    }
    ~CGdiplusScope()
    {
        if (m_Ok) Gdiplus::GdiplusShutdown(m_Token);
    }
    bool m_Ok = false;

private:
    ULONG_PTR m_Token = 0;
};
