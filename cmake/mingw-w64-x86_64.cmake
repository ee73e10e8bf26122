# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZV_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER   ${ZV_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZV_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER  ${ZV_TRIPLE}-windres)
set(CMAKE_AR           /usr/bin/${ZV_TRIPLE}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${ZV_TRIPLE}-ranlib CACHE FILEPATH "")

set(CMAKE_FIND_ROOT_PATH /usr/${ZV_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
