# Hardening of the Linux build: stack protector, fortified libc calls,
# format-string checks, read-only relocations bound at start-up and a
# position-independent executable.
#
# The flags are Debian's own, from dpkg-buildflags (dpkg-dev), where it is
# installed; elsewhere the same set is written out. The build type keeps its
# say over optimisation and debug information, except that a Debug build is
# compiled with -Og and one without a build type with -O2: _FORTIFY_SOURCE
# does nothing without optimisation.
#
# Sanitizer builds leave it off (the fortified libc calls and the
# sanitizer's own checks of the same calls do not mix);
# -DQUILLORA_HARDENING=OFF turns it off by hand.
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
    set(quillora_hardening_default OFF)
else()
    set(quillora_hardening_default ON)
endif()
option(QUILLORA_HARDENING
    "Build with stack protector, _FORTIFY_SOURCE, RELRO, BIND_NOW and PIE"
    ${quillora_hardening_default})

if(NOT QUILLORA_HARDENING OR NOT CMAKE_SYSTEM_NAME STREQUAL "Linux"
        OR NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
endif()

find_program(QUILLORA_DPKG_BUILDFLAGS dpkg-buildflags)
if(QUILLORA_DPKG_BUILDFLAGS)
    # A packager's own DEB_BUILD_MAINT_OPTIONS wins; by default ask for every
    # hardening feature, since bookworm leaves BIND_NOW out of the defaults.
    if(DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
        set(quillora_maint_options "$ENV{DEB_BUILD_MAINT_OPTIONS}")
    else()
        set(quillora_maint_options "hardening=+all")
    endif()
    foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
        execute_process(
            COMMAND ${CMAKE_COMMAND} -E env
                "DEB_BUILD_MAINT_OPTIONS=${quillora_maint_options}"
                ${QUILLORA_DPKG_BUILDFLAGS} --get ${kind}
            WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
            OUTPUT_VARIABLE quillora_flags
            OUTPUT_STRIP_TRAILING_WHITESPACE
            RESULT_VARIABLE quillora_result)
        if(NOT quillora_result EQUAL 0)
            message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed: ${quillora_result}")
        endif()
        separate_arguments(quillora_${kind} UNIX_COMMAND "${quillora_flags}")
    endforeach()
    # -O and -g belong to the build type.
    list(FILTER quillora_CXXFLAGS EXCLUDE REGEX "^-(O.*|g.*)$")
    message(STATUS "Hardening flags from dpkg-buildflags")
else()
    set(quillora_CPPFLAGS -D_FORTIFY_SOURCE=2)
    set(quillora_CXXFLAGS -fstack-protector-strong -Wformat -Werror=format-security)
    set(quillora_LDFLAGS -Wl,-z,relro -Wl,-z,now)
    message(STATUS "Hardening flags written out (dpkg-buildflags not found)")
endif()

# Source paths relative to the tree make a release build reproducible; a
# Debug build keeps them absolute for the debugger.
set(quillora_prefix_map ${quillora_CXXFLAGS})
list(FILTER quillora_prefix_map INCLUDE REGEX "^-f(file|debug)-prefix-map=")
list(FILTER quillora_CXXFLAGS EXCLUDE REGEX "^-f(file|debug)-prefix-map=")

add_compile_options(${quillora_CPPFLAGS} ${quillora_CXXFLAGS})
foreach(flag IN LISTS quillora_prefix_map)
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:${flag}>")
endforeach()
# Without a build type nothing would optimise.
add_compile_options("$<$<CONFIG:Debug>:-Og>" "$<$<STREQUAL:$<CONFIG>,>:-O2>")
add_link_options(${quillora_LDFLAGS})

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()
