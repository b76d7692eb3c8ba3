# A release gives the same bytes whoever builds it, wherever and whenever:
# no build folder, link time or file time goes into what is shipped.
# (On Linux the source paths are mapped by dpkg-buildflags' prefix map, in
# Hardening.cmake.)
if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # No link time in the PE header, so no header checksum over it either.
    add_link_options(-Wl,--no-insert-timestamp)
    add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>")
endif()

# Every file CPack packs carries the time of the last commit when
# SOURCE_DATE_EPOCH gives it (scripts/release does), not the time of the
# build.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ClampTimes.cmake)
