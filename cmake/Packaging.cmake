# CPack settings for the Debian package: `cpack -G DEB` in the build folder
# writes quillora_<version>_<arch>.deb. In a Windows build, `cpack` writes the
# installer quillora-<version>-win64.exe and the archive
# quillora-<version>-win64.zip from the same install rules.

set(CPACK_PACKAGE_NAME quillora)
set(CPACK_PACKAGE_VENDOR "${QUILLORA_VENDOR}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "HTML meta tag generator for web pages")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillora writes the block of HTML <meta> tags for the head of a web page.
On one window, in French, the user describes the page (title, author,
description, keywords, language, audience, robots policy) and copies the
generated block to the clipboard.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://example.org/quillora/")
set(CPACK_PACKAGE_CONTACT "Quillora developers <quillora@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Quillora)
set(CPACK_STRIP_FILES ON)

if(WIN32)
    # The installer: NSIS's 64-bit Unicode stub, so that it runs where only
    # 64-bit programs do; into Program Files\Quillora, with a Start-menu
    # entry and an uninstaller listed among the installed programs.
    set(CPACK_GENERATOR "NSIS;ZIP")
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Quillora)
    set(CPACK_PACKAGE_EXECUTABLES quillora Quillora)
    # No file times in the installer: CPack writes some of its files at
    # packing time, so their times would change it from one build to the
    # next. The installed files take the time of the install.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode\nSetDateSave off")
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_PACKAGE_NAME Quillora)
    set(CPACK_NSIS_DISPLAY_NAME Quillora)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_BINARY_DIR}/src/quillora.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_BINARY_DIR}/src/quillora.ico)
    set(CPACK_NSIS_INSTALLED_ICON_NAME quillora.exe)
    set(CPACK_NSIS_URL_INFO_ABOUT "${CPACK_PACKAGE_HOMEPAGE_URL}")
    set(CPACK_NSIS_CONTACT "quillora@example.org")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    # The licence page shows Quillora's licence and where the notice of the
    # software of others is: beside quillora.exe (data/CMakeLists.txt), and
    # in the Start menu as Licences.
    set(CPACK_NSIS_MENU_LINKS THIRD-PARTY-NOTICES.txt Licences)
    set(installer_licence ${PROJECT_BINARY_DIR}/installer-licence.txt)
    file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
    file(WRITE ${installer_licence} "${licence}
--------------------------------------------------------------------------------

Quillora comes with the work of others: Qt, Qt's French translations, the
GCC runtime and MinGW-w64, each under its own licence. THIRD-PARTY-NOTICES.txt,
installed beside quillora.exe and opened by Licences in the Start menu, lists
every file installed with what it holds, its licence and where its source is,
and gives the full text of each licence.
")
    set(CPACK_RESOURCE_FILE_LICENSE ${installer_licence})
    # The archive holds one folder, quillora-<version>-win64, that runs
    # where it is unpacked.
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
    include(CPack)
    return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")

# The package's Depends comes from the libraries the executable links to,
# found by dpkg-shlibdeps (dpkg-dev). Without it a configure still works;
# only the package would lack its dependencies, so say so.
find_program(QUILLORA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(QUILLORA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
elseif(UNIX AND NOT APPLE)
    message(STATUS "dpkg-shlibdeps not found (dpkg-dev): the .deb will list no dependencies")
endif()

# The layout is drawn and checked with Liberation Sans Narrow (the labels)
# and Liberation Sans: up to Debian 12 fonts-liberation holds both, from
# Debian 13 on the narrow face is a package of its own. Qt's French
# translations and the Wayland platform plugin are wanted, not required.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-liberation-sans-narrow | fonts-liberation (<< 1:2)")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, qt6-wayland")

# What Debian asks of a package beside the program: the manual page and the
# changelog compressed (gzip -n, so the same tree gives the same bytes), the
# copyright in the machine-readable format, the lintian overrides, and no
# .comment or .note sections in a stripped executable.
if(UNIX AND NOT APPLE)
    set(quillora_debian_src ${PROJECT_SOURCE_DIR}/data/debian)
    set(quillora_debian_bin ${PROJECT_BINARY_DIR}/debian)
    configure_file(data/quillora.1.in ${quillora_debian_bin}/quillora.1 @ONLY)
    configure_file(${quillora_debian_src}/changelog ${quillora_debian_bin}/changelog COPYONLY)
    add_custom_command(
        OUTPUT ${quillora_debian_bin}/quillora.1.gz ${quillora_debian_bin}/changelog.gz
        COMMAND gzip -9nkf quillora.1 changelog
        DEPENDS ${quillora_debian_bin}/quillora.1 ${quillora_debian_bin}/changelog
        WORKING_DIRECTORY ${quillora_debian_bin}
        VERBATIM)
    add_custom_target(quillora_debian_files ALL
        DEPENDS ${quillora_debian_bin}/quillora.1.gz ${quillora_debian_bin}/changelog.gz)

    install(FILES ${quillora_debian_bin}/quillora.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${quillora_debian_src}/copyright ${quillora_debian_bin}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quillora)
    install(FILES ${quillora_debian_src}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME quillora)

    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\"
                --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:quillora>\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endif()

include(CPack)
