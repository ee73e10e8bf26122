// Shutdown: save what must last and end the program.
#pragma once

void m_Shutdown();
