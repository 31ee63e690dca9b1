# Runs the tool as a script would and checks its exact exit status and what it printed.
#   cmake -DPROGRAM=... [-DEMULATOR=...] -DARGS=a;b -DSTATUS=n [-DSTDOUT_HAS=text] [-DSTDERR=text] -P run_tool.cmake
# STDERR is the whole of standard error, without its final newline; STDOUT_HAS a line that
# standard output must hold. With STDERR given, standard output must be empty.
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGS}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status STREQUAL STATUS)
  message(FATAL_ERROR "exit status '${status}', expected ${STATUS}; standard error: ${err}")
endif()
if(DEFINED STDERR)
  if(NOT err STREQUAL "${STDERR}\n")
    message(FATAL_ERROR "standard error was '${err}', expected '${STDERR}'")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "printed on standard output: ${out}")
  endif()
elseif(NOT err STREQUAL "")
  message(FATAL_ERROR "printed on standard error: ${err}")
endif()
if(DEFINED STDOUT_HAS)
  string(FIND "${out}" "\n${STDOUT_HAS}\n" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "standard output has no line '${STDOUT_HAS}':\n${out}")
  endif()
endif()
