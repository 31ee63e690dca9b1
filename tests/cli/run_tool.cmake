# Runs the tool as a script would and checks its exact exit status and what it printed.
#   cmake -DPROGRAM=... [-DEMULATOR=...] -DARGS=a;b -DSTATUS=n [-DSTDOUT_HAS=text] [-DSTDOUT_FILE=file]
#         [-DSTDERR=text] -P run_tool.cmake
# STDERR is the whole of standard error, without its final newline; STDOUT_HAS a line that
# standard output must hold; STDOUT_FILE a file whose bytes it must be, byte for byte. With
# STDERR given, standard output must be empty.
# Standard output goes to a file first, so that its bytes are compared as they are.
string(RANDOM LENGTH 12 unique)
set(printed_file ${CMAKE_CURRENT_BINARY_DIR}/run_tool_${unique}.out)
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGS}
  RESULT_VARIABLE status OUTPUT_FILE ${printed_file} ERROR_VARIABLE err)
file(READ ${printed_file} out)
if(DEFINED STDOUT_FILE)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${printed_file} ${STDOUT_FILE} RESULT_VARIABLE differs)
endif()
file(REMOVE ${printed_file})
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
if(DEFINED STDOUT_FILE AND NOT differs EQUAL 0)
  message(FATAL_ERROR "standard output differs, byte for byte, from ${STDOUT_FILE}:\n${out}")
endif()
if(DEFINED STDOUT_HAS)
  string(FIND "${out}" "\n${STDOUT_HAS}\n" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "standard output has no line '${STDOUT_HAS}':\n${out}")
  endif()
endif()
