# The hardening a distribution builds its own programs with.
#
# Linux: Debian's flags from dpkg-buildflags with every hardening feature on
# (stack protector, fortified C library calls, read-only relocations bound at
# start), whatever the system's dpkg chooses for them. Its -g, -O and
# prefix-map are left to the build type and to the line below. Not under the
# sanitisers, which check the same faults their own way and clash with
# _FORTIFY_SOURCE.
#
# Windows: mingw-w64's linker already marks the program for ASLR,
# high-entropy ASLR and NX; stack protection comes from its libssp, linked in.
option(KVIRLO_HARDEN "Build with the distribution's hardening flags" ON)
if(NOT KVIRLO_HARDEN OR KVIRLO_SANITIZE)
  return()
endif()

# The sources' place on the build machine stays out of the binaries, and so
# does the build tree's name (moc's and rcc's sources are written there).
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/= -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)

if(WIN32)
  add_compile_options(-fstack-protector-strong)
  add_link_options(-fstack-protector-strong)
  return()
endif()

find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  return()
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
            ${DPKG_BUILDFLAGS} --get ${kind}
    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*|fdebug-prefix-map=.*)$")
  if(kind STREQUAL LDFLAGS)
    add_link_options(${flags})
  else()
    add_compile_options(${flags})
  endif()
endforeach()
