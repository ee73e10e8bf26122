// Resource ids of Zentavio.exe.
#pragma once

#define IDI_MAIN 123
#define IDR_ACCEL_MAIN 103
