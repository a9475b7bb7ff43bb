# What every target of the project shares: its warnings, and how a library shows its headers.

# The warnings every target is built with (linked by each target, also tests, benchmarks and
# fuzz targets); third-party headers come in as system headers and stay quiet.
add_library(tabulex_warnings INTERFACE)
target_compile_options(tabulex_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wpedantic
  $<$<BOOL:${TABULEX_WERROR}>:-Werror>)
# GCC 12 reports -Wrestrict on plain std::string concatenations (a known false positive of
# that release when the string code is inlined at -O2).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(tabulex_warnings INTERFACE -Wno-restrict)
endif()

# tabulex_expose_headers(target folder): the headers of src/<folder> (not of its subfolders)
# become includable as "<folder>/name.h" by the target and by what links it, and by nothing
# else. Each library's include path holds only forwarding headers of its own folder, so a
# wrong include (the engine reaching into the settings, logic into a Qt folder) fails to
# compile instead of quietly growing a dependency.
function(tabulex_expose_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  set(source ${PROJECT_SOURCE_DIR}/src/${folder})
  file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
  file(GLOB stale RELATIVE ${root}/${folder} ${root}/${folder}/*.h)
  foreach(header IN LISTS stale)
    if(NOT header IN_LIST headers)
      file(REMOVE ${root}/${folder}/${header})
    endif()
  endforeach()
  foreach(header IN LISTS headers)
    # Written only when it changes, so a new configure does not rebuild everything.
    file(CONFIGURE OUTPUT ${root}/${folder}/${header}
      CONTENT "#include \"${source}/${header}\"\n")
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PRIVATE tabulex_warnings)
  endif()
endfunction()
