# Debian's hardening flags (dpkg-buildflags with hardening=+all): stack
# protector, fortified libc calls, read-only relocations bound at start-up.
# The build type keeps choosing optimisation and debug information, so only
# the hardening part of the flags is taken. Sanitizer and unoptimised builds
# go without: fortification needs optimisation and gets in ASan's way.
# scripts/package and CI turn it on.
option(VEX_HARDENING "Compile and link with Debian's hardening flags (dpkg-buildflags)" OFF)
find_program(VEX_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT VEX_HARDENING OR VEX_SANITIZE OR CMAKE_BUILD_TYPE STREQUAL "Debug")
  return()
endif()
if(NOT VEX_DPKG_BUILDFLAGS)
  message(FATAL_ERROR "VEX_HARDENING needs dpkg-buildflags (package dpkg-dev)")
endif()

function(vex_debian_flags kind out)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E env "DEB_BUILD_MAINT_OPTIONS=hardening=+all"
                          "${VEX_DPKG_BUILDFLAGS}" --get ${kind}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    set(${out} "" PARENT_SCOPE)
    return()
  endif()
  separate_arguments(flags UNIX_COMMAND "${flags}")
  # Optimisation, debug information and path maps are the build type's business.
  list(FILTER flags EXCLUDE REGEX "^-O|^-g|prefix-map=")
  set(${out} "${flags}" PARENT_SCOPE)
endfunction()

vex_debian_flags(CPPFLAGS cppflags)
vex_debian_flags(CXXFLAGS cxxflags)
vex_debian_flags(LDFLAGS ldflags)
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})
message(STATUS "Hardening: ${cppflags} ${cxxflags} ${ldflags}")
