# Writes a deterministic stand-in for a payload file: SIZE bytes of numbered 64-byte text lines.
# Usage: cmake -DOUTPUT=file -DSIZE=bytes [-DLABEL=text] -P make-payload-standin.cmake
# Plain CMake, so that a fresh build machine needs nothing beyond the build's own tools.
if(NOT OUTPUT OR NOT SIZE MATCHES "^[1-9][0-9]*$")
  message(FATAL_ERROR "make-payload-standin: OUTPUT and a positive SIZE are required")
endif()
if(NOT LABEL)
  set(LABEL "Glimmerion stand-in plug-in module")
endif()

set(padding "...............................................................")
math(EXPR lastLine "(${SIZE} - 1) / 64")
set(content "")
foreach(line RANGE ${lastLine})
  # Every line differs, so a byte that lands at the wrong offset shows.
  string(SUBSTRING "${LABEL}, line ${line} ${padding}" 0 63 text)
  string(APPEND content "${text}\n")
endforeach()
string(SUBSTRING "${content}" 0 ${SIZE} content)
file(WRITE "${OUTPUT}.part" "${content}")
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
