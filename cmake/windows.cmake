# The toolchain of the windows preset: MinGW-w64 against the Qt for Windows
# that scripts/windows-qt builds once per machine into the user's cache.
# -DQUILLORA_WINDOWS_QT=<folder> points at another Qt for Windows.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(NOT QUILLORA_WINDOWS_QT)
    if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
        set(quillora_cache "$ENV{XDG_CACHE_HOME}")
    else()
        set(quillora_cache "$ENV{HOME}/.cache")
    endif()
    # Built at the version of the machine's own Qt tools, as the script does.
    execute_process(COMMAND dpkg-query -W "-f=\${Version}" qt6-base-dev-tools
        OUTPUT_VARIABLE quillora_host_qt ERROR_QUIET)
    string(REGEX REPLACE "^([0-9]+:)?([0-9.]+).*" "\\2" quillora_host_qt "${quillora_host_qt}")
    set(QUILLORA_WINDOWS_QT "${quillora_cache}/quillora/qt-${quillora_host_qt}-mingw64"
        CACHE PATH "Qt for Windows, built by scripts/windows-qt")
endif()
if(NOT EXISTS "${QUILLORA_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake")
    message(FATAL_ERROR "No Qt for Windows in ${QUILLORA_WINDOWS_QT}: run scripts/windows-qt first")
endif()

list(APPEND CMAKE_FIND_ROOT_PATH "${QUILLORA_WINDOWS_QT}")
list(APPEND CMAKE_PREFIX_PATH "${QUILLORA_WINDOWS_QT}")
# The platform and style plugins are installed beside the program, so their
# targets are needed; Debian's Qt from 6.8 on leaves them out by default.
set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
# moc, rcc and uic are the machine's own, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
