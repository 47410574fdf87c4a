# Fails when a source file of src/, tools/ or tests/ holds more than 400 lines: such a file holds
# more than one job. The built-in Windows headers of tools/rc/headers/ are data and not counted.
#   cmake -DROOT=<source tree> -P CheckFileSizes.cmake
cmake_minimum_required(VERSION 3.22)

set(limit 400)
if(NOT ROOT)
  message(FATAL_ERROR "CheckFileSizes.cmake needs -DROOT=<source tree>")
endif()
file(GLOB_RECURSE sources RELATIVE "${ROOT}"
  "${ROOT}/src/*.h" "${ROOT}/src/*.cpp" "${ROOT}/tools/*.h" "${ROOT}/tools/*.cpp"
  "${ROOT}/tests/*.h" "${ROOT}/tests/*.cpp")
list(FILTER sources EXCLUDE REGEX "^tools/[^/]+/headers/")
list(SORT sources)
set(faults "")
foreach(source IN LISTS sources)
  file(READ "${ROOT}/${source}" text)
  # file(STRINGS) skips empty lines; count the line ends instead.
  string(REGEX MATCHALL "\n" ends "${text}")
  list(LENGTH ends count)
  if(count GREATER limit)
    list(APPEND faults "${source}: ${count} lines")
  endif()
endforeach()
if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "Source files over ${limit} lines:\n  ${text}")
endif()
