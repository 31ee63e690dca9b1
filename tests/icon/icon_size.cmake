# Makes the icon at SIZE pixels with TOOL into FILE, and fails when the file is over MOST bytes.
file(REMOVE ${FILE})  # what is measured is what this run made
execute_process(COMMAND ${TOOL} ${SIZE} ${FILE} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${TOOL} ${SIZE} failed: ${status}")
endif()
file(SIZE ${FILE} bytes)
file(REMOVE ${FILE})
message("icon-${SIZE}.png: ${bytes} bytes")
if(bytes GREATER MOST)
  message(FATAL_ERROR "icon-${SIZE}.png is ${bytes} bytes, over ${MOST}")
endif()
