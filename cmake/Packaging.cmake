# CPack settings for the Debian package: `cpack -G DEB` in the build folder
# writes quillora_<version>_<arch>.deb.

set(CPACK_PACKAGE_NAME quillora)
set(CPACK_PACKAGE_VENDOR "The Quillora developers")
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

include(CPack)
