# Build helpers shared by every folder of the project.

# Warnings every target of ours compiles with; -Werror comes from the presets.
add_library(tolvex_warnings INTERFACE)
target_compile_options(tolvex_warnings INTERFACE -Wall -Wextra
                       $<$<BOOL:${TOLVEX_WERROR}>:-Werror>)

# tolvex_add_tests(<name> <source>...)
# One GoogleTest executable; its cases are discovered when CTest runs, under
# CMAKE_CROSSCOMPILING_EMULATOR when one is set (the i386 build).
function(tolvex_add_tests name)
  if(NOT TOLVEX_BUILD_TESTS)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tolvex GTest::gtest_main
                        tolvex_warnings Threads::Threads)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60)
endfunction()

# tolvex_check_exports(<shared library target> <list file>)
# A test that fails when a symbol of the list is missing from the library's
# dynamic symbol table (see cmake/check_exports.sh).
function(tolvex_check_exports target list)
  if(NOT TOLVEX_BUILD_TESTS)
    return()
  endif()
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(size_t "unsigned int")
  else()
    set(size_t "unsigned long")
  endif()
  add_test(NAME ${target}_exports
    COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/check_exports.sh
            $<TARGET_FILE:${target}> ${list} ${size_t})
endfunction()
