# Packs the mini fixture skin both ways and checks that `info` prints the expected skin from the
# folder, the compressed skin file and the stored skin alike (all but the first line, which names
# the source). Run by ctest: cmake -DTOOL=... -DSKIN=... -DEXPECTED=... -DWORK=... -P CheckInfo.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(READ "${EXPECTED}" expected)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "'${ARGN}' failed (${rc}): ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

function(check what)
  run(${TOOL} info ${ARGN})
  string(FIND "${out}" "\n" first_break)
  math(EXPR rest_start "${first_break} + 1")
  string(SUBSTRING "${out}" ${rest_start} -1 rest)
  if(NOT rest STREQUAL expected)
    file(WRITE "${WORK}/${what}.txt" "${rest}")
    message(FATAL_ERROR "info of the ${what} differs from ${EXPECTED}; see ${WORK}/${what}.txt")
  endif()
endfunction()

run(${TOOL} pack "${SKIN}/skin.ini" "${WORK}/mini.skn")
run(${TOOL} pack --stored "${SKIN}/skin.ini" "${WORK}/mini.pictures" "${WORK}/mini.ini")
check(folder "${SKIN}")
check(compressed "${WORK}/mini.skn")
check(stored "${WORK}/mini.pictures" "${WORK}/mini.ini")

# A skin that cannot be read is refused with a message and a failing exit code.
execute_process(COMMAND ${TOOL} info "${WORK}/nothing-here.skn" RESULT_VARIABLE rc OUTPUT_VARIABLE out
                ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "^orvel-skin: ")
  message(FATAL_ERROR "info of a missing file gave ${rc}: '${out}' '${err}'")
endif()
