# The library's windows.h-free core, shared by the programs, the disc tool and the native
# sanitizer and fuzz builds: every source of the core's folders except their Windows edges,
# the files named *_win.cpp (as the unit tests that need Windows are named *_win_test.cpp).
# Sets ZOR_CORE_CONCERNS (the folders below lib/) and ZOR_CORE_SOURCES, from ZOR_ROOT.
set(ZOR_CORE_CONCERNS text cmdline setting rules log)
set(ZOR_CORE_SOURCES)
foreach(concern ${ZOR_CORE_CONCERNS})
  file(GLOB zor_core_folder_sources CONFIGURE_DEPENDS ${ZOR_ROOT}/lib/${concern}/*.cpp)
  list(APPEND ZOR_CORE_SOURCES ${zor_core_folder_sources})
endforeach()
list(FILTER ZOR_CORE_SOURCES EXCLUDE REGEX "_win\\.cpp$")
