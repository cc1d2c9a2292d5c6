# zor_add_program(<target> <output name> SOURCES ... )
# A Windows GUI program of the disc: wWinMain entry, linked statically with the library.
# The program's .rc (manifest, version information, icons, dialogs) is one of its sources.
function(zor_add_program target output_name)
  cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
  add_executable(${target} WIN32 ${ARG_SOURCES})
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  target_link_options(${target} PRIVATE -municode -mwindows)
  target_link_libraries(${target} PRIVATE zor)
endfunction()

# Resource scripts are UTF-8 so that Japanese captions come out right.
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001" CACHE STRING "" FORCE)
