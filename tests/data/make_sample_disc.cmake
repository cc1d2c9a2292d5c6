# One sample's discs (run with cmake -P by tests/data/sample_disc.cmake): the maker's folder
# staged from SOURCE with the STAND_INS ("file=place" below SetupData), grown for the demo
# when GROW is set, the paths of SECOND (below SetupData) moved into the second disc's
# folder STAGING/disc2/SetupData, made into OUTPUT/discN.iso by lumora-disc, and each image
# extracted with osirrox into its folder of TREES (files writable, as copied from a disc).
file(REMOVE_RECURSE ${STAGING})
file(COPY ${SOURCE}/SetupData DESTINATION ${STAGING})
set(setup_data ${STAGING}/SetupData)
foreach(stand_in ${STAND_INS})
  string(FIND "${stand_in}" "=" at)
  string(SUBSTRING "${stand_in}" 0 ${at} file)
  math(EXPR at "${at} + 1")
  string(SUBSTRING "${stand_in}" ${at} -1 place)
  get_filename_component(folder ${setup_data}/${place} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(COPY_FILE ${file} ${setup_data}/${place})
endforeach()
if(GROW)
  get_filename_component(data ${SOURCE} DIRECTORY)
  file(COPY_FILE ${data}/sample_disc/SetupData/Setup.bmp ${setup_data}/Setup.bmp)
  file(MAKE_DIRECTORY ${setup_data}/GameData/voice)
  string(REPEAT "v" 1024 voice)
  foreach(i RANGE 2999)
    file(WRITE ${setup_data}/GameData/voice/v${i}.ogg "${voice}")
  endforeach()
  execute_process(COMMAND truncate -s 256M ${setup_data}/GameData/movie/film.mpg COMMAND_ERROR_IS_FATAL ANY)
  # Later lines win: the grown size; the voice folder and the engine stand-in (which the
  # menu starts once installed) on the first disc.
  math(EXPR size "268435456 + 38141 + 3000 * 1024 + 1048576")
  file(APPEND ${setup_data}/Setup.ini
       "#SETUP_SIZE = ${size}\n#SETUP_FILE = \"voice\", 1\n#SETUP_FILE = \"LumoraEngine.exe\", 1\n")
endif()
set(second "")
if(SECOND)
  set(second ${STAGING}/disc2/SetupData)
  foreach(path ${SECOND})
    get_filename_component(folder ${second}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${folder})
    file(RENAME ${setup_data}/${path} ${second}/${path})
  endforeach()
endif()
execute_process(COMMAND ${TOOL} build ${setup_data} ${second} -o ${OUTPUT} --programs ${PROGRAMS} ${OPTIONS}
                COMMAND_ERROR_IS_FATAL ANY)
set(number 1)
foreach(tree ${TREES})
  file(REMOVE_RECURSE ${tree})
  execute_process(COMMAND ${OSIRROX} -charset UTF-8 -indev ${OUTPUT}/disc${number}.iso -extract / ${tree}
                  OUTPUT_QUIET ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
  execute_process(COMMAND chmod -R u+w ${tree} COMMAND_ERROR_IS_FATAL ANY)
  math(EXPR number "${number} + 1")
endforeach()
