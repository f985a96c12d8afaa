# dw_add_test(NAME name SOURCES a.cpp ... LIBS lib ...)
# One Qt Test executable per group of related cases. Every test runs headless
# on the offscreen platform; each case makes its own settings folder
# (testsupport::TempConfig), and the test as a whole gets one of its own.
function(dw_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE testsupport ${T_LIBS} Qt6::Test)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  dw_add_test_run(NAME ${T_NAME} TARGET ${T_NAME} TIMEOUT "${T_TIMEOUT}" ENV ${T_ENV})
endfunction()

# dw_add_test_run(NAME run TARGET test ENV ...)
# One more run of a test executable, in another set-up (a screen, a font).
function(dw_add_test_run)
  cmake_parse_arguments(T "" "NAME;TARGET;TIMEOUT" "ENV" ${ARGN})
  add_test(NAME ${T_NAME} COMMAND ${T_TARGET})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8"
      # A safety net: cases that do not make their own (TempConfig) never
      # reach the user's real settings.
      "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config/${T_NAME}"
      "DEALWRIGHT_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
      "DEALWRIGHT_PROGRAM_DIR=${DEALWRIGHT_PROGRAM_DIR}"
      "ASAN_OPTIONS=detect_leaks=1"
      "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/sanitizer-leaks.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${CMAKE_SOURCE_DIR}/tests/sanitizer.supp"
      ${T_ENV})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
endfunction()
