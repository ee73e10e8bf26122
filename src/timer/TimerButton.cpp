#include "timer/TimerButton.h"

#include "timer/TimerCommands.h"

void m_Timer_LastArmed(int* kind, int* minutes)
{
    if (kind) *kind = TIMER_OFF;
    if (minutes) *minutes = 0;
}
