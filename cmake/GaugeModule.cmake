# add_gauge_module(<name> SOURCES <files...> RESOURCES <file.rc>)
#
# Builds one gauge module from its sources, the shared module frame and its
# resource script:
#  - on Windows: <name>.gau, a DLL whose export table holds exactly
#    ImportTable and Linkage (by name, as data), with the language runtime
#    linked statically and the bitmaps compiled in by windres;
#  - elsewhere: modules/<name>.so, a shared library that exports only the
#    same two symbols and carries the same compiled resources in its ELF
#    section .gauge_resources, where the host emulator finds them.

if(WIN32)
  set(GAUGES_WINDRES ${CMAKE_RC_COMPILER})
else()
  find_program(GAUGES_WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres windres REQUIRED)
endif()

# Compiles a resource script: COFF object on Windows, .res image elsewhere.
function(gauge_compile_resources name rc_file out_var)
  get_filename_component(rc_dir ${rc_file} DIRECTORY)
  file(GLOB bitmaps CONFIGURE_DEPENDS ${rc_dir}/*.bmp)
  if(WIN32)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources.o)
    set(format coff)
  else()
    set(out ${CMAKE_CURRENT_BINARY_DIR}/${name}.res)
    set(format res)
  endif()
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${GAUGES_WINDRES} --preprocessor=cpp --preprocessor-arg=-P -I ${rc_dir} -O ${format} -i ${rc_file} -o ${out}
    DEPENDS ${rc_file} ${bitmaps}
    COMMENT "Compiling resources of ${name}"
    VERBATIM)
  set(${out_var} ${out} PARENT_SCOPE)
endfunction()

#
# TEST_ONLY builds a module for the tests alone: into test_modules/, and
# left out of the list of modules we ship (the GAUGE_MODULES property).
function(add_gauge_module name)
  cmake_parse_arguments(ARG "TEST_ONLY" "RESOURCES" "SOURCES" ${ARGN})
  if(ARG_TEST_ONLY)
    set(out_dir ${CMAKE_BINARY_DIR}/test_modules)
  else()
    set(out_dir ${CMAKE_BINARY_DIR}/modules)
  endif()
  add_library(${name} SHARED ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/host/module_frame.cpp)
  target_link_libraries(${name} PRIVATE gauge_host_contract gauge_platform gauge_warnings)
  set_target_properties(${name} PROPERTIES
    PREFIX ""
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  gauge_compile_resources(${name} ${ARG_RESOURCES} resources)

  if(WIN32)
    set_target_properties(${name} PROPERTIES SUFFIX ".gau" RUNTIME_OUTPUT_DIRECTORY ${out_dir})
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/module_exports.def)
    target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++)
    target_sources(${name} PRIVATE ${resources})
  else()
    set_target_properties(${name} PROPERTIES SUFFIX ".so" LIBRARY_OUTPUT_DIRECTORY ${out_dir})
    set(embed ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources.S)
    file(WRITE ${embed}
      "/* The module's compiled resources, where the host emulator looks for them. */\n"
      "    .section .gauge_resources,\"a\",@progbits\n"
      "    .incbin \"${name}.res\"\n"
      "    .section .note.GNU-stack,\"\",@progbits\n")
    set_source_files_properties(${embed} PROPERTIES
      OBJECT_DEPENDS ${resources}
      INCLUDE_DIRECTORIES ${CMAKE_CURRENT_BINARY_DIR})
    target_sources(${name} PRIVATE ${embed})
    target_link_options(${name} PRIVATE -Wl,--version-script=${PROJECT_SOURCE_DIR}/cmake/module_exports.map)
    # Clang keeps its sanitizer and fuzzer runtimes in the executable that
    # loads the module, so a sanitized clang module leaves them undefined.
    if(NOT (GAUGES_SANITIZE AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang"))
      target_link_options(${name} PRIVATE -Wl,--no-undefined)
    endif()
  endif()
  if(NOT ARG_TEST_ONLY)
    set_property(GLOBAL APPEND PROPERTY GAUGE_MODULES ${name})
  endif()
endfunction()
