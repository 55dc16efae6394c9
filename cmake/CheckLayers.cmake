cmake_minimum_required(VERSION 3.21)
# Fails when an include points up: a file of a lower layer including one of a
# higher, or any file outside app/ (tests and the benchmark aside, which
# measure and drive the window program) including app/. Run as
#   cmake -DSOURCE_DIR=<root> -P CheckLayers.cmake
# Layers, lowest first; a folder may include its own and those below it.
set(layers core catalogue values link editing files compare changes drive report backup web tools app)
set(exempt tests bench fuzz)

file(GLOB_RECURSE sources RELATIVE "${SOURCE_DIR}"
     "${SOURCE_DIR}/*.h" "${SOURCE_DIR}/*.cpp")
set(faults "")
foreach(source IN LISTS sources)
  string(REGEX MATCH "^[^/]+" folder "${source}")
  if(folder IN_LIST exempt OR NOT source MATCHES "/")
    continue()
  endif()
  list(FIND layers "${folder}" own)
  if(own EQUAL -1)
    continue() # build folders and the like
  endif()
  file(STRINGS "${SOURCE_DIR}/${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"/]+)/.*" "\\1" target "${line}")
    list(FIND layers "${target}" rank)
    if(rank GREATER own OR (target STREQUAL "app" AND NOT folder STREQUAL "app"))
      list(APPEND faults "${source}: ${line}")
    endif()
  endforeach()
endforeach()
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Includes that point up a layer:\n  ${text}")
endif()
