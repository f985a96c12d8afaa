# The distribution's build flags, as Debian builds its own packages with
# every hardening feature on (stack protector, fortified C library calls,
# format checks, read-only relocations bound at start: relro and now, and
# whatever else the release adds). dpkg-buildflags gives them; CMake reads no
# CPPFLAGS, so its preprocessor flags (the fortify define) go with the
# compiler flags. The build type keeps its own optimisation and debug
# flags. Everything built here gets them, the benchmarks' yardstick
# program included, so that start-up is compared between equals.
option(DEALWRIGHT_DISTRO_FLAGS "Build with Debian's hardening flags (dpkg-buildflags, hardening=+all)" ON)

if(DEALWRIGHT_DISTRO_FLAGS AND NOT DEALWRIGHT_SANITIZE)
  find_program(DPKG_BUILDFLAGS dpkg-buildflags)
  if(NOT DPKG_BUILDFLAGS)
    message(FATAL_ERROR "dpkg-buildflags (package dpkg-dev) is needed for DEALWRIGHT_DISTRO_FLAGS")
  endif()
  set(_dw_flags)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE value
      OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed")
    endif()
    separate_arguments(value UNIX_COMMAND "${value}")
    # The build type chooses optimisation and debug information.
    list(FILTER value EXCLUDE REGEX "^-(O[0-9sg]?|g[0-9]?)$")
    if(kind STREQUAL "LDFLAGS")
      add_link_options(${value})
    else()
      add_compile_options(${value})
    endif()
    list(APPEND _dw_flags ${value})
  endforeach()
  list(JOIN _dw_flags " " _dw_flags)
  message(STATUS "Distribution flags: ${_dw_flags}")
endif()
