# dw_add_test(NAME name SOURCES a.cpp ... LIBS lib ...)
# One Qt Test executable per group of related cases. Every test runs headless
# on the offscreen platform; each case makes its own settings folder
# (testsupport::TempConfig), and the test as a whole gets one of its own.
function(dw_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  dw_add_test_executable(NAME ${T_NAME} SOURCES ${T_SOURCES} LIBS ${T_LIBS})
  dw_add_test_run(NAME ${T_NAME} TARGET ${T_NAME} TIMEOUT "${T_TIMEOUT}" ENV ${T_ENV})
endfunction()

# dw_add_test_executable(NAME name SOURCES ... LIBS ...): the executable only.
function(dw_add_test_executable)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE testsupport ${T_LIBS} Qt6::Test)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  dw_use_module_folder(${T_NAME})
endfunction()

# dw_use_module_folder(target): a test program that takes the SVG renderer
# module's folder from DEALWRIGHT_MODULE_DIR (with DEALWRIGHT_MODULE_DIR_VARIABLE).
# The program itself never does: it loads the module from its own folder.
function(dw_use_module_folder target)
  if(DEALWRIGHT_MODULE_DIR_VARIABLE)
    target_link_libraries(${target} PRIVATE module_folder_variable)
  endif()
endfunction()

# dw_add_test_run(NAME run TARGET test [LAUNCHER command ...] ENV ...)
# One run of a test executable, in a set-up of its own (a screen, a font,
# an X server started by the launcher).
function(dw_add_test_run)
  cmake_parse_arguments(T "" "NAME;TARGET;TIMEOUT" "ENV;LAUNCHER" ${ARGN})
  add_test(NAME ${T_NAME} COMMAND ${T_LAUNCHER} $<TARGET_FILE:${T_TARGET}>)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  set(env "QT_QPA_PLATFORM=offscreen" "LC_ALL=C.UTF-8"
      # A safety net: cases that do not make their own (TempConfig) never
      # reach the user's real settings.
      "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-config/${T_NAME}"
      "DEALWRIGHT_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
      "DEALWRIGHT_PROGRAM_DIR=${DEALWRIGHT_PROGRAM_DIR}"
      # The SVG renderer module is built in the program folder, not beside the tests.
      "DEALWRIGHT_MODULE_DIR=${DEALWRIGHT_PROGRAM_DIR}/plugins"
      "ASAN_OPTIONS=detect_leaks=1"
      "LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/sanitizer-leaks.supp:print_suppressions=0"
      "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1:suppressions=${CMAKE_SOURCE_DIR}/tests/sanitizer.supp"
      ${T_ENV})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
endfunction()
