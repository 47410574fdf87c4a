# Hardening of every program and module, as Debian builds its packages: position-independent
# executables, relocations read-only and bound before main (relro, now), and glibc's checked
# string and memory functions (fortify, which needs optimisation, so not in Debug builds). The
# sanitizer and fuzz builds check memory themselves and keep glibc's plain functions for it.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
# That compiles the static libraries with -fPIC. They only go into programs, where no symbol is
# interposed, so the compiler may still inline and call their functions directly as with -fPIE.
add_compile_options(-fno-semantic-interposition)
add_link_options(LINKER:-z,relro LINKER:-z,now)
if(NOT RESTALLOW_FUZZ AND NOT CMAKE_CXX_FLAGS MATCHES "sanitize")
  add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
endif()
# __FILE__ names a source by its path below the source folder, so that no binary holds the
# folder it was built in.
add_compile_options(-fmacro-prefix-map=${PROJECT_SOURCE_DIR}/= -fmacro-prefix-map=${PROJECT_BINARY_DIR}/=)
