# zor_add_program(<target> <output name> SOURCES ...
#                 [EXECUTION_LEVEL asInvoker|requireAdministrator] [DESCRIPTION text]
#                 [ICON file.ico] [VERSION a.b.c.d])
# A Windows GUI program of the disc: wWinMain entry, linked statically with the library.
# Every program gets the same generated resources (cmake/program.rc.in): the application
# manifest (common controls 6, system DPI awareness, the execution level; default
# asInvoker) and the version information (FileDescription = DESCRIPTION, default the output
# name). ICON, when given, becomes the executable's icon. The program's own .rc (dialogs,
# its window icons) is one of its SOURCES and carries no manifest or version block; it is
# compiled as part of the generated script, because windres numbers the images of icons
# from 1 in every script it compiles, and two scripts with icons would clash at link time.
set(ZOR_PROGRAM_TEMPLATES ${CMAKE_CURRENT_LIST_DIR})
set(ZOR_PRODUCT_NAME "Lumora Disc Tools")
set(ZOR_PRODUCT_VERSION 1.0.0.0)

function(zor_add_program target output_name)
  cmake_parse_arguments(ARG "" "EXECUTION_LEVEL;DESCRIPTION;ICON;VERSION" "SOURCES" ${ARGN})
  if(NOT ARG_EXECUTION_LEVEL)
    set(ARG_EXECUTION_LEVEL asInvoker)
  endif()
  if(NOT ARG_EXECUTION_LEVEL MATCHES "^(asInvoker|requireAdministrator)$")
    message(FATAL_ERROR "zor_add_program(${target}): EXECUTION_LEVEL must be asInvoker or requireAdministrator")
  endif()
  if(NOT ARG_DESCRIPTION)
    set(ARG_DESCRIPTION ${output_name})
  endif()
  if(NOT ARG_VERSION)
    set(ARG_VERSION ${ZOR_PRODUCT_VERSION})
  endif()
  if(NOT ARG_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+$")
    message(FATAL_ERROR "zor_add_program(${target}): VERSION must have four numbers, a.b.c.d")
  endif()

  set(ZOR_NAME ${output_name})
  set(ZOR_EXECUTION_LEVEL ${ARG_EXECUTION_LEVEL})
  set(ZOR_DESCRIPTION ${ARG_DESCRIPTION})
  set(ZOR_VERSION ${ARG_VERSION})
  string(REPLACE "." "," ZOR_VERSION_COMMAS ${ARG_VERSION})
  set(ZOR_PRODUCT ${ZOR_PRODUCT_NAME})
  set(manifest ${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest)
  set(resources ${CMAKE_CURRENT_BINARY_DIR}/${target}_program.rc)
  set(ZOR_MANIFEST_FILE ${manifest})
  set(ZOR_ICON_LINE "")
  if(ARG_ICON)
    get_filename_component(icon ${ARG_ICON} ABSOLUTE)
    set(ZOR_ICON_LINE "ZOR_PROGRAM_ICON ICON \"${icon}\"")
  endif()
  set(ZOR_PROGRAM_SCRIPTS "")
  set(sources "")
  set(script_folders "")
  set(depends ${manifest} ${icon})
  foreach(source ${ARG_SOURCES})
    if(source MATCHES "[.]rc$")
      get_filename_component(script ${source} ABSOLUTE)
      string(APPEND ZOR_PROGRAM_SCRIPTS "#include \"${script}\"\n")
      list(APPEND depends ${script})
      get_filename_component(script_folder ${script} DIRECTORY)
      list(APPEND script_folders ${script_folder})
    else()
      list(APPEND sources ${source})
    endif()
  endforeach()
  configure_file(${ZOR_PROGRAM_TEMPLATES}/program.manifest.in ${manifest} @ONLY)
  configure_file(${ZOR_PROGRAM_TEMPLATES}/program.rc.in ${resources} @ONLY)
  set_source_files_properties(${resources} PROPERTIES OBJECT_DEPENDS "${depends}")

  add_executable(${target} WIN32 ${sources} ${resources})
  # The program's scripts name their icons and headers relative to their own folder.
  if(script_folders)
    target_include_directories(${target} PRIVATE "$<$<COMPILE_LANGUAGE:RC>:${script_folders}>")
  endif()
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${output_name}
                        RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # A release program ships without its symbols (about 1 MB of each program).
  target_link_options(${target} PRIVATE -municode -mwindows $<$<CONFIG:Release>:-s>)
  target_link_libraries(${target} PRIVATE zor)
endfunction()

# Resource scripts are UTF-8 so that Japanese captions come out right.
# (Appended once: the cache keeps the flags across the configure runs.)
if(NOT CMAKE_RC_FLAGS MATCHES "-c 65001")
  set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -c 65001" CACHE STRING "" FORCE)
endif()
