# The sample disc as a build product: build/sample_disc/ holds the static tree of
# tests/data/sample_disc and the built programs at their places on the disc. The demo, the
# tests and the disc image start from it. Adding a program to the disc is one line of the
# table below: the target, then its path on the disc.
set(ZOR_SAMPLE_DISC_SOURCE ${CMAKE_CURRENT_LIST_DIR}/sample_disc)
set(ZOR_SAMPLE_DISC_DIR ${CMAKE_BINARY_DIR}/sample_disc)

# zor_sample_disc(<target> <path on the disc> [<target> <path> ...])
function(zor_sample_disc)
  set(commands COMMAND ${CMAKE_COMMAND} -E copy_directory ${ZOR_SAMPLE_DISC_SOURCE} ${ZOR_SAMPLE_DISC_DIR})
  set(targets "")
  while(ARGN)
    list(POP_FRONT ARGN target place)
    if(NOT place)
      message(FATAL_ERROR "zor_sample_disc: ${target} has no place on the disc")
    endif()
    get_filename_component(folder ${ZOR_SAMPLE_DISC_DIR}/${place} DIRECTORY)
    list(APPEND commands COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                         COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${target}>
                                 ${ZOR_SAMPLE_DISC_DIR}/${place})
    list(APPEND targets ${target})
  endwhile()
  list(REMOVE_DUPLICATES targets)
  add_custom_target(sample_disc ALL ${commands} VERBATIM
    COMMENT "Assembling the sample disc in ${ZOR_SAMPLE_DISC_DIR}")
  add_dependencies(sample_disc ${targets})
endfunction()

zor_sample_disc(
  autorun         Autorun.exe
  setup           SetupData/Setup.exe
  foyer           SetupData/Foyer.exe
  config          SetupData/Config.exe
  chronicle       SetupData/Chronicle.exe
  engine_stand_in SetupData/GameData/LumoraEngine.exe
  recorder        SetupData/DirectX/DXSETUP.exe
  recorder        SetupData/おまけ.exe
)

# The disc image: build/sample_disc.iso, an ISO 9660 image with Joliet (and Rock Ridge)
# names of the assembled tree, for a game maker to burn or mount. It is written beside and
# then renamed, so that an image mounted at that moment keeps reading its old file.
find_program(ZOR_GENISOIMAGE genisoimage)
if(ZOR_GENISOIMAGE)
  set(image ${CMAKE_BINARY_DIR}/sample_disc.iso)
  add_custom_target(sample_disc_image ALL
    COMMAND ${ZOR_GENISOIMAGE} -quiet -J -r -V LUMORA_SAMPLE -input-charset utf-8 -o ${image}.part
            ${ZOR_SAMPLE_DISC_DIR}
    COMMAND ${CMAKE_COMMAND} -E rename ${image}.part ${image}
    VERBATIM COMMENT "Making the disc image ${image}")
  add_dependencies(sample_disc_image sample_disc)
else()
  message(STATUS "genisoimage is missing: no disc image (scripts/test.sh and scripts/demo.sh install it)")
endif()
