# Build settings that make the test programs cheaper to compile and link. Applied from the
# top level to every target below tests/, so that test folders need no settings of their own.

# Test code needs neither full optimisation nor full debug information; line tables are
# enough for the stack traces of failures and sanitizer reports. Empty keeps the build type's.
set(VX_TEST_CXX_FLAGS "-O1;-g1" CACHE STRING "Compiler options of the test programs")

# Every test file starts by parsing GoogleTest and the standard headers, which costs more than
# most test files themselves.
set(VX_TEST_PCH_HEADERS <gtest/gtest.h> <algorithm> <filesystem> <functional> <map> <memory>
    <sstream> <string> <vector>)

function(vx_targets_below directory out)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(sub ${subdirectories})
    vx_targets_below(${sub} below)
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

# The precompiled header is built once, for the support library every test program links, and
# reused by the test programs of the core; Qt code is compiled position-independent, so the Qt
# tests build their own, with the Qt widget headers in it.
function(vx_lighten_tests directory)
  vx_targets_below(${directory} targets)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "EXECUTABLE|STATIC_LIBRARY|OBJECT_LIBRARY")
      continue()
    endif()
    target_compile_options(${target} PRIVATE ${VX_TEST_CXX_FLAGS})
    get_target_property(automoc ${target} AUTOMOC)
    get_target_property(links ${target} LINK_LIBRARIES)
    if(target STREQUAL "vxtestsupport")
      target_precompile_headers(${target} PRIVATE ${VX_TEST_PCH_HEADERS})
    elseif(NOT "vxtestsupport" IN_LIST links)
      continue()  # not a test program (the workloads are shared with the benchmarks)
    elseif(automoc)
      target_precompile_headers(${target} PRIVATE ${VX_TEST_PCH_HEADERS} <QtWidgets>)
    else()
      target_precompile_headers(${target} REUSE_FROM vxtestsupport)
    endif()
  endforeach()
endfunction()
