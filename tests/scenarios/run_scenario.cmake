# Runs one scenario script with nabrilo-replay in a fresh, empty working directory, so that
# what it saves never lands beside it. The directory is first given the pictures the scripts
# compare with or paste: the files of pictures/ as they are, and the canvas scripts there
# (pictures/NAME.txt, which saves NAME.bmp) whose picture the script names, rendered by our
# canvas. The expected map drawings map_draw_NAME.bmp come from the map gesture scripts
# (tests/map/gestures/NAME.txt), the one source test_map also plays, rendered and saved under
# that name. Relative paths in the script then mean the working directory, as they always do.
# Called by ctest with -DREPLAY, -DSCRIPT and -DWORK_DIR, and -DSCREEN=WxH for a screen of that
# size (nabrilo-replay --screen).
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
get_filename_component(script_dir "${SCRIPT}" DIRECTORY)
file(GLOB pictures "${script_dir}/pictures/*.png")
if(pictures)
  file(COPY ${pictures} DESTINATION "${WORK_DIR}")
endif()
file(READ "${SCRIPT}" script_text)

function(render canvas)
  execute_process(COMMAND "${REPLAY}" --canvas "${canvas}" WORKING_DIRECTORY "${WORK_DIR}"
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "nabrilo-replay --canvas ${canvas} failed (${status})")
  endif()
endfunction()

file(GLOB canvas_scripts "${script_dir}/pictures/*.txt")
foreach(canvas ${canvas_scripts})
  get_filename_component(picture "${canvas}" NAME_WLE)
  string(FIND "${script_text}" "${picture}.bmp" named)
  if(NOT named EQUAL -1)
    render("${canvas}")
  endif()
endforeach()

file(GLOB gestures "${script_dir}/../map/gestures/*.txt")
foreach(gesture ${gestures})
  get_filename_component(name "${gesture}" NAME_WLE)
  string(FIND "${script_text}" "map_draw_${name}.bmp" named)
  if(NOT named EQUAL -1)
    file(READ "${gesture}" drawing)
    file(WRITE "${WORK_DIR}/map_draw_${name}.txt" "${drawing}save map_draw_${name}.bmp\n")
    render("${WORK_DIR}/map_draw_${name}.txt")
  endif()
endforeach()

set(screen_option)
if(SCREEN)
  set(screen_option --screen ${SCREEN})
endif()
execute_process(COMMAND "${REPLAY}" ${screen_option} "${SCRIPT}" WORKING_DIRECTORY "${WORK_DIR}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "nabrilo-replay ${SCRIPT} failed (${status})")
endif()
