# Helpers shared by the source, test and benchmark folders.

set(ZV_SRC ${CMAKE_SOURCE_DIR}/src)
set(ZV_SUBSYSTEMS base settings engine controls app playback filedata playlist
    commands library jumplist timer options)

add_library(zv_platform INTERFACE)
target_link_libraries(zv_platform INTERFACE
  strmiids ole32 oleaut32 uuid mfuuid gdi32 gdiplus winmm dsound shlwapi
  dwmapi comctl32 uxtheme msimg32 powrprof shell32 comdlg32 user32
  kernel32 advapi32 imm32)

# windows.h is most of every file's compile time: it is parsed once per build
# into a precompiled header that every library and unit test compiled the same
# way reuses. The tests' own adds doctest.
set(ZV_PCH_HEADERS <windows.h> <string> <vector> <algorithm> <cmath> <cstdio>
    <cstdlib> <cstring> <cwchar>)
file(WRITE ${CMAKE_BINARY_DIR}/pch/empty.cpp "")
add_library(zv_pch STATIC ${CMAKE_BINARY_DIR}/pch/empty.cpp)
target_precompile_headers(zv_pch PRIVATE ${ZV_PCH_HEADERS})

# One static library per subsystem folder, zv_<folder>, of every .cpp in it.
function(zv_library name)
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  list(FILTER srcs EXCLUDE REGEX "/Main\\.cpp$")
  if(srcs)
    add_library(zv_${name} STATIC ${srcs})
    target_precompile_headers(zv_${name} REUSE_FROM zv_pch)
    target_include_directories(zv_${name} PUBLIC ${ZV_SRC})
    target_link_libraries(zv_${name} PUBLIC zv_platform)
  else()
    add_library(zv_${name} INTERFACE)
    target_include_directories(zv_${name} INTERFACE ${ZV_SRC})
    target_link_libraries(zv_${name} INTERFACE zv_platform)
  endif()
endfunction()

# The subsystems call into each other in both directions (the base helpers
# read a few globals of later subsystems), so everything links as one group.
function(zv_link_all target)
  set(libs)
  foreach(s ${ZV_SUBSYSTEMS})
    get_target_property(kind zv_${s} TYPE)
    if(kind STREQUAL "STATIC_LIBRARY")
      list(APPEND libs zv_${s})
    endif()
  endforeach()
  list(JOIN libs "," joined)
  target_link_libraries(${target} PRIVATE "$<LINK_GROUP:RESCAN,${joined}>" zv_platform)
  target_include_directories(${target} PRIVATE ${ZV_SRC})
endfunction()

# Every tests/<folder>/test_*.cpp is one doctest executable run by CTest
# through Wine; its test name is <folder>.<file name without test_>.
function(zv_unit_tests folder)
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/test_*.cpp)
  foreach(t ${tests})
    get_filename_component(stem ${t} NAME_WE)
    string(REGEX REPLACE "^test_" "" short ${stem})
    set(exe test_${folder}_${short})
    add_executable(${exe} ${t})
    target_precompile_headers(${exe} REUSE_FROM zv_pch_test)
    target_link_libraries(${exe} PRIVATE zv_doctest_main)
    zv_link_all(${exe})
    add_test(NAME ${folder}.${short} COMMAND ${exe})
    set_tests_properties(${folder}.${short} PROPERTIES LABELS "unit;${folder}" TIMEOUT 120)
  endforeach()
endfunction()
