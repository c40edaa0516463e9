# Helpers shared by every folder.
#
# skingui_library(NAME PORTABLE a.cpp ... WINDOWS b.cpp ... DEPENDS lib ...)
#   PORTABLE sources build in both configurations, WINDOWS sources only in the
#   Windows build. A library with no sources in the current configuration is an
#   INTERFACE library, so dependants can always name it.
function(skingui_library name)
  cmake_parse_arguments(ARG "" "" "PORTABLE;WINDOWS;DEPENDS" ${ARGN})
  set(sources ${ARG_PORTABLE})
  if(SKINGUI_WINDOWS)
    list(APPEND sources ${ARG_WINDOWS})
  endif()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
    if(SKINGUI_WERROR)
      target_compile_options(${name} PRIVATE $<IF:$<CXX_COMPILER_ID:MSVC>,/WX,-Werror>)
    endif()
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

# skingui_test(NAME SOURCES a.cpp ... DEPENDS lib ... [WINDOWS_ONLY])
#   One executable per test file group, run once by CTest (under Wine in the
#   cross build through CMAKE_CROSSCOMPILING_EMULATOR). WINDOWS_ONLY tests are
#   skipped by the host build.
function(skingui_test name)
  cmake_parse_arguments(ARG "WINDOWS_ONLY" "" "SOURCES;DEPENDS" ${ARGN})
  if(ARG_WINDOWS_ONLY AND NOT SKINGUI_WINDOWS)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} gtest
    $<IF:$<BOOL:${SKINGUI_WINDOWS}>,skingui_test_main,gtest_main>)
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 600
    ENVIRONMENT "SKINGUI_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
  skingui_heap_checks(${name})
endfunction()

# skingui_heap_checks(TEST ...)
#   Runs Windows tests under Wine's heap checks: freed blocks are filled with
#   0xFEEEFEEE, so a use after free crashes or reads garbage instead of the
#   old values, and a write into a freed block is reported ("err:heap") when
#   the block is taken again, which fails the test. An access fault fails it
#   too, also one the system swallows in a window procedure it called back
#   (Wine's exception channel names each fault). Wine's other messages stay
#   off. (Wine turns its channels off when stderr is /dev/null; CTest gives a
#   pipe.)
function(skingui_heap_checks)
  if(NOT SKINGUI_WINDOWS)
    return()
  endif()
  set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT "WINEDEBUG=-all,err+heap,warn+heap,warn+seh")
  set_property(TEST ${ARGN} APPEND PROPERTY FAIL_REGULAR_EXPRESSION "err:heap;EXCEPTION_ACCESS_VIOLATION")
endfunction()

# skingui_always_linked(LIB a.cpp ...)
#   Sources that every program linking LIB gets whole, though it names nothing
#   from them: a static library drops each object file that nothing refers
#   to, and with it the registrations its static objects make at start-up.
#   They become an object library whose files go on the link line of LIB's
#   dependants, directly or through other libraries.
function(skingui_always_linked lib)
  add_library(${lib}_always OBJECT ${ARGN})
  # The headers only: linking LIB here would make these objects part of their
  # own link interface.
  target_include_directories(${lib}_always PRIVATE ${PROJECT_SOURCE_DIR})
  if(SKINGUI_WERROR)
    target_compile_options(${lib}_always PRIVATE $<IF:$<CXX_COMPILER_ID:MSVC>,/WX,-Werror>)
  endif()
  target_link_libraries(${lib} INTERFACE $<TARGET_OBJECTS:${lib}_always>)
  # The objects are built with LIB, before any program links them, also when
  # the library's folder is added with EXCLUDE_FROM_ALL.
  add_dependencies(${lib} ${lib}_always)
endfunction()
