#include "app/WindowSize.h"

// No video is placed yet: always reports none.
int m_GetVideoRect(RECT* out)
{
    if (out) SetRectEmpty(out);
    return 0;
}
