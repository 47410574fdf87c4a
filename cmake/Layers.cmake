# Every library of src/ and tools/ depends on the layer check, so an include against the layers
# stops the build before anything compiles.
file(GLOB_RECURSE restallow_layer_sources CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.cpp
  ${PROJECT_SOURCE_DIR}/tools/*.h ${PROJECT_SOURCE_DIR}/tools/*.cpp)
set(restallow_layer_stamp ${CMAKE_BINARY_DIR}/layers.checked)
add_custom_command(OUTPUT ${restallow_layer_stamp}
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR}/src -DTOOLS=${PROJECT_SOURCE_DIR}/tools
          -DSTAMP=${restallow_layer_stamp} -P ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
  DEPENDS ${restallow_layer_sources} ${PROJECT_SOURCE_DIR}/cmake/CheckLayers.cmake
  COMMENT "Checking the includes of src/ and tools/ against the layers")
add_custom_target(restallow_layers DEPENDS ${restallow_layer_stamp})

# A library of src/: headers are included as "folder/File.h" from src/.
function(restallow_layer target)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  add_dependencies(${target} restallow_layers)
endfunction()

# The libraries of tools/ wait for the same check (their headers are included from the tool's folder).
function(restallow_tool_layers)
  foreach(target IN LISTS ARGN)
    add_dependencies(${target} restallow_layers)
  endforeach()
endfunction()

# Every header of a library compiles on its own, and twice in a row: one generated source per
# header under dir that includes only it (as "prefix/File.h", or "File.h" for an empty prefix),
# compiled with the library's flags by every build, so a header that leans on what its includer
# brought in fails where it stands.
function(restallow_headers_compile_alone target dir prefix)
  file(GLOB headers RELATIVE "${dir}" CONFIGURE_DEPENDS "${dir}/*.h")
  set(units "")
  foreach(header IN LISTS headers)
    if(prefix)
      set(header "${prefix}/${header}")
    endif()
    string(MAKE_C_IDENTIFIER "${header}" name)
    set(unit "${CMAKE_CURRENT_BINARY_DIR}/alone/${name}.cpp")
    file(CONFIGURE OUTPUT "${unit}" CONTENT "#include \"${header}\"\n#include \"${header}\"\n" @ONLY)
    list(APPEND units "${unit}")
  endforeach()
  add_library(${target}_headers OBJECT ${units})
  target_link_libraries(${target}_headers PRIVATE ${target})
endfunction()
