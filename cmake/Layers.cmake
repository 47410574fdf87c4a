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
