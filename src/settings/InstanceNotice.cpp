// Counts the notices; the broadcast to other instances is not built yet.
#include "settings/InstanceNotice.h"

int g_NoticeCount;

void m_NotifyOtherInstances(int code, int byMutex)
{
    (void)code;
    (void)byMutex;
    ++g_NoticeCount;
}
