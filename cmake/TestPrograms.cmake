# add_test_program(TARGET [ENVIRONMENT VAR=VALUE...] [RESOURCE_LOCK NAME])
# Compiles a test program as one unity source and registers its tests with ctest:
# natively by asking the program for its list, on Windows by reading its sources
# (the build cannot run Wine programs), each test then run through the emulator.
include(GoogleTest)

function(add_test_program target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "RESOURCE_LOCK" "ENVIRONMENT")
  set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE 0)
  # GCC 12 warns wrongly of overlapping copies in some string concatenations.
  target_compile_options(${target} PRIVATE -Wno-restrict)
  # Win32 records are filled as {sizeof record, ...}: the rest is zero on purpose.
  target_compile_options(${target} PRIVATE -Wno-missing-field-initializers)
  set(properties TIMEOUT 180)
  if(arg_ENVIRONMENT)
    # One property value holding every variable: its list separators stay escaped.
    string(REPLACE ";" "\\;" environment "${arg_ENVIRONMENT}")
    list(APPEND properties ENVIRONMENT "${environment}")
  endif()
  if(arg_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK ${arg_RESOURCE_LOCK})
  endif()
  if(WIN32)
    gtest_add_tests(TARGET ${target} TEST_LIST tests)
    set_tests_properties(${tests} PROPERTIES ${properties})
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
  endif()
endfunction()
