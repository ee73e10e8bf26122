// The auto-stop check is not built yet: nothing to arm.
#include "timer/AutoStopCheck.h"

void m_SetAutoStopCheck() {}
