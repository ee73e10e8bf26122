# Stand-ins of outside components (the time-stretch module and the subtitle
# filter) and a WAV-writing audio renderer, built as COM server modules.
add_library(zv_standin STATIC StandInLog.cpp StandInServer.cpp)
target_link_libraries(zv_standin PUBLIC zv_engine)

function(zv_standin_module name)
  add_library(${name} SHARED ${ARGN} StandIn.def)
  target_link_libraries(${name} PRIVATE zv_standin)
  zv_link_all(${name})
  set_target_properties(${name} PROPERTIES PREFIX "")
endfunction()

zv_standin_module(TestAudioRenderer WavRenderer.cpp WavRendererDll.cpp)
zv_standin_module(TestSubtitleFilter SubtitleStandIn.cpp)
# Kept out of bin/: the engine loads "TimeStretchFilter.ax" from beside the
# program, so it is there only where a test puts it.
zv_standin_module(TimeStretchStandIn TimeStretchStandIn.cpp)
set_target_properties(TimeStretchStandIn PROPERTIES OUTPUT_NAME TimeStretchFilter SUFFIX ".ax"
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/standins)
# A source filter for description files (text starting "ZVSRC") with stream
# selection and markers, which Wine's splitters do not offer.
zv_standin_module(TestSourceFilter TestSourceFilter.cpp TestSourcePin.cpp TestSourceSeeking.cpp
  TestSourceDescription.cpp TestSourceDll.cpp)
