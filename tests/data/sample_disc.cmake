# The sample discs as build products, made as a game maker makes a disc: the maker's setup
# data folder (a static tree of tests/data with the test stand-ins put in, which are the
# maker's files to the tool) goes through `lumora-disc build`, which adds the built programs
# and writes the images. Each image is then extracted with osirrox (an independent reader)
# into a disc folder that the tests copy from and that stands in for the image without root.
#
#   build/discs/sample/disc1.iso  the one-disc sample (tests/data/sample_disc), folder build/sample_disc,
#                                 its programs signed with the test certificate build/signing/maker.pfx
#   build/discs/two/disc1.iso, disc2.iso
#                                 the two-disc sample (tests/data/disc2), folders build/two_disc/disc1, disc2
set(ZOR_SAMPLE_DISC_DIR ${CMAKE_BINARY_DIR}/sample_disc)
set(ZOR_SAMPLE_DISC_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/make_sample_disc.cmake)
find_program(ZOR_OSIRROX osirrox)
if(NOT ZOR_OSIRROX)
  message(STATUS "osirrox is missing: no sample discs (scripts/test.sh and scripts/demo.sh install xorriso)")
  return()
endif()

# The test maker's self-signed code-signing certificate (its password in build/signing/password).
set(ZOR_SIGNING ${CMAKE_BINARY_DIR}/signing)
add_custom_command(OUTPUT ${ZOR_SIGNING}/maker.pfx ${ZOR_SIGNING}/maker.pem ${ZOR_SIGNING}/password
  COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/make_test_certificate.sh ${ZOR_SIGNING}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_test_certificate.sh
  COMMENT "Making the test maker's code-signing certificate" VERBATIM)

# zor_sample_disc(<name> SOURCE <static tree> OUTPUT <image folder> TREES <disc folder>...
#                 [OPTIONS <lumora-disc options>...] [GROW] [SECOND <path>...]
#                 STAND_INS <target> <place> ...)
# Makes the discs of one sample; a disc folder per disc, in disc order. SECOND names what
# goes into the second disc's folder (below SetupData).
function(zor_sample_disc name)
  cmake_parse_arguments(ARG "GROW" "SOURCE;OUTPUT" "TREES;OPTIONS;STAND_INS;SECOND" ${ARGN})
  set(stand_ins "")
  set(targets "")
  set(list ${ARG_STAND_INS})
  while(list)
    list(POP_FRONT list target place)
    list(APPEND stand_ins "$<TARGET_FILE:${target}>=${place}")
    list(APPEND targets ${target})
  endwhile()
  list(REMOVE_DUPLICATES targets)
  file(GLOB_RECURSE data CONFIGURE_DEPENDS ${ARG_SOURCE}/*)
  set(images "")
  foreach(tree ${ARG_TREES})
    list(LENGTH images count)
    math(EXPR number "${count} + 1")
    list(APPEND images ${ARG_OUTPUT}/disc${number}.iso)
  endforeach()
  add_custom_command(OUTPUT ${images}
    COMMAND ${CMAKE_COMMAND} -DSOURCE=${ARG_SOURCE} -DSTAGING=${CMAKE_BINARY_DIR}/makers/${name}
            -DOUTPUT=${ARG_OUTPUT} "-DTREES=${ARG_TREES}" "-DSTAND_INS=${stand_ins}" "-DOPTIONS=${ARG_OPTIONS}" "-DSECOND=${ARG_SECOND}"
            -DGROW=${ARG_GROW} -DTOOL=${ZOR_LUMORA_DISC} -DPROGRAMS=${CMAKE_BINARY_DIR}/bin -DOSIRROX=${ZOR_OSIRROX}
            -P ${ZOR_SAMPLE_DISC_SCRIPT}
    DEPENDS ${data} ${ZOR_SAMPLE_DISC_SCRIPT} ${ZOR_LUMORA_DISC} ${targets} autorun setup foyer config chronicle
            ${ZOR_SIGNING}/maker.pfx ${ZOR_SIGNING}/password
    COMMENT "Making the sample disc images of ${name} with lumora-disc" VERBATIM)
  add_custom_target(sample_disc_${name} ALL DEPENDS ${images})
  add_dependencies(sample_disc_${name} lumora_disc ${targets} autorun setup foyer config chronicle)
endfunction()

zor_sample_disc(sample SOURCE ${CMAKE_CURRENT_LIST_DIR}/sample_disc OUTPUT ${CMAKE_BINARY_DIR}/discs/sample
  TREES ${ZOR_SAMPLE_DISC_DIR}
  OPTIONS --medium cd --label LUMORA_SAMPLE --sign ${ZOR_SIGNING}/maker.pfx --sign-password-file ${ZOR_SIGNING}/password
  STAND_INS engine_stand_in GameData/LumoraEngine.exe
            recorder        DirectX/DXSETUP.exe
            recorder        おまけ.exe)
# The two-disc sample: tests/data/disc2 (one folder for both discs, as Setup's tests use it)
# with the entry of the second disc, movie, moved into the second disc's folder; grown for
# the demo (GROW): a voice folder of 3000 small files on the first disc and a 256 MiB film on
# the second keep Setup's dialogs on screen long enough to be seen. The title picture that
# Foyer needs comes from the one-disc sample.
zor_sample_disc(two SOURCE ${CMAKE_CURRENT_LIST_DIR}/disc2 OUTPUT ${CMAKE_BINARY_DIR}/discs/two
  TREES ${CMAKE_BINARY_DIR}/two_disc/disc1 ${CMAKE_BINARY_DIR}/two_disc/disc2 OPTIONS --medium cd GROW
  SECOND GameData/movie
  STAND_INS engine_stand_in GameData/LumoraEngine.exe)
# The sample disc's old name, for the scripts and a maker looking for "the image".
add_custom_target(sample_disc ALL DEPENDS sample_disc_sample sample_disc_two)
