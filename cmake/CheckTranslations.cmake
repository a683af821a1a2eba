# Fails when a translation file is not in step with the code: lupdate is run into copies of the
# files, and a copy that differs from its original means a text of the code is missing from the
# file, or the file keeps a text the code no longer has. Each file must also be finished.
# Arguments: LUPDATE, SOURCE_DIR (the folder lupdate reads), TS_FILES (;-separated), WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(failures "")
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  file(READ "${ts}" original)
  foreach(state unfinished vanished obsolete)
    string(REGEX MATCHALL "type=\"${state}\"" found "${original}")
    list(LENGTH found count)
    if(count GREATER 0)
      string(APPEND failures "${name}: ${count} ${state} messages\n")
    endif()
  endforeach()
  configure_file("${ts}" "${WORK_DIR}/${name}" COPYONLY)
  execute_process(
    COMMAND "${LUPDATE}" -silent -no-obsolete -locations none "${SOURCE_DIR}" -ts "${WORK_DIR}/${name}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    string(APPEND failures "${name}: lupdate failed: ${output}\n")
    continue()
  endif()
  file(READ "${WORK_DIR}/${name}" updated)
  if(NOT updated STREQUAL original)
    string(REGEX MATCHALL "<source>[^<]*</source>\n[ ]*<translation type=\"unfinished\"" missing "${updated}")
    string(APPEND failures "${name}: not in step with the code (texts missing or left over); "
      "run the update_translations target and translate: ${missing}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "Every translation file is complete and in step with the code")
