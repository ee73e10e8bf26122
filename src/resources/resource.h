// Resource ids of Zentavio.exe.
#pragma once

#define IDI_MAIN 1
