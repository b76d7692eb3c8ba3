# Writes the notice of the software of others in the Windows program: each
# file shipped with what it holds, who made each part and under which
# licence, and the full text of every licence named. It is read from the
# sources of truth, never written by hand:
#   - Qt: the qt_attribution.json files, licence files and source headers of
#     Debian's qt6-base original tarball (the source Qt for Windows is built
#     from), and the features that Qt for Windows was built with;
#   - the MinGW-w64 and GCC files: the Debian copyright file of the package
#     holding each, and the licence texts in /usr/share/common-licenses that
#     it refers to;
#   - Quillora: its LICENSE.
# Run at build time:
#   cmake -DMANIFEST=rows.txt -DOUT=notice.txt -DWORK=dir -DPRODUCT="Quillora 1.0.0"
#         -DLICENSE=LICENSE -DQT_SOURCE=dir -DQT_PREFIX=dir -DSOURCES="pkg=ver;..."
#         -P ThirdPartyNotices.cmake
# MANIFEST has a line for each file shipped, FILE|ORIGIN|ORIGIN..., each
# ORIGIN one of
#   self                     Quillora itself
#   qt:DIR                   Qt's own code in DIR of its source (src/corelib)
#   qt-attributions:MODULE   the third-party code Qt lists for MODULE (qtcore)
#   deb:PATH[=WHAT]          the file PATH of a Debian package, built in or
#                            shipped; WHAT says what it is
# SOURCES lists the Debian source packages offered beside the download.
# Anything missing stops it with what is missing: no notice is better than
# a notice that leaves something out.
cmake_minimum_required(VERSION 3.25)

function(fail)
    string(JOIN "" message ${ARGV})
    message(FATAL_ERROR "Third-party notice: ${message}")
endfunction()

foreach(var MANIFEST OUT WORK PRODUCT LICENSE QT_SOURCE QT_PREFIX)
    if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
        fail("-D${var}=... is missing")
    endif()
endforeach()

# Qt's attributions that the Windows build leaves out, and why: a feature
# that Qt for Windows was built without (read from its headers), or another
# platform; ID* stands for every Id that begins with ID. Every other
# attribution of a module shipped is kept: naming code that is not there
# harms no one, leaving out code that is would.
set(qt_left_out
    freetype=feature:freetype freetype-zlib=feature:freetype
    freetype-bdf=feature:freetype freetype-pcf=feature:freetype
    libjpeg=feature:jpeg md4c=feature:textmarkdownreader
    VulkanMemoryAllocator=feature:vulkan vulkan-*=feature:vulkan
    opengl-headers=feature:opengl opengl-es2-headers=feature:opengl
    forkfd=platform:Unix qeventdispatcher_cf=platform:macOS
    cocoa-platform-plugin=platform:macOS android-native-style=platform:Android
    android-gradle-wrapper=platform:Android vera_font=platform:WebAssembly
    dejayvu=platform:WebAssembly xcb-xinput=platform:X11 pixman=platform:ARM)

# --- Qt's source: what is needed of the tarball ---------------------------
file(GLOB qt_dsc "${QT_SOURCE}/*.dsc")
file(GLOB qt_orig "${QT_SOURCE}/*.orig.tar.*")
list(FILTER qt_orig EXCLUDE REGEX "\\.asc$")
list(LENGTH qt_dsc n_dsc)
list(LENGTH qt_orig n_orig)
if(NOT n_dsc EQUAL 1 OR NOT n_orig EQUAL 1)
    fail("no Debian qt6-base source (one .dsc, one original tarball) in ${QT_SOURCE}: "
        "run scripts/sources qt6-base")
endif()
file(STRINGS "${qt_dsc}" qt_deb_version REGEX "^Version: ")
string(REGEX REPLACE "^Version: " "" qt_deb_version "${qt_deb_version}")
string(REGEX REPLACE "^([0-9]+:)?([0-9.]+).*" "\\2" qt_version "${qt_deb_version}")


# The manifest: the files, and the Qt folders they come from.
file(STRINGS "${MANIFEST}" rows)
set(qt_dirs)
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" origins "${row}")
    list(POP_FRONT origins shipped)
    if(NOT origins)
        fail("${shipped} has no origin in ${MANIFEST}")
    endif()
    foreach(origin IN LISTS origins)
        if(origin MATCHES "^qt:(.+)$")
            list(APPEND qt_dirs "${CMAKE_MATCH_1}")
        elseif(NOT origin MATCHES "^(self|qt-attributions:.+|deb:/.+)$")
            fail("${shipped}: unknown origin '${origin}' in ${MANIFEST}")
        endif()
    endforeach()
endforeach()

set(patterns "*/qt_attribution.json" "*/LICENSES/*")
foreach(dir IN LISTS qt_dirs)
    list(APPEND patterns "*/${dir}/*")
endforeach()
file(REMOVE_RECURSE "${WORK}")
file(ARCHIVE_EXTRACT INPUT "${qt_orig}" DESTINATION "${WORK}" PATTERNS ${patterns})
file(GLOB qt_top LIST_DIRECTORIES true "${WORK}/*")
list(LENGTH qt_top n_top)
if(NOT n_top EQUAL 1 OR NOT IS_DIRECTORY "${qt_top}")
    fail("${qt_orig} does not unpack into one folder")
endif()
# Then the folders of the attributions, which hold their licence files:
# one more pass over the tarball, not one for each file.
# The tests' and the build system's (tests/, cmake/) never go into a
# library.
file(GLOB_RECURSE attribution_files RELATIVE "${qt_top}" "${qt_top}/*/qt_attribution.json")
list(FILTER attribution_files EXCLUDE REGEX "^(tests|cmake)/")
list(SORT attribution_files)
get_filename_component(top_name "${qt_top}" NAME)
set(patterns)
foreach(path IN LISTS attribution_files)
    get_filename_component(dir "${path}" DIRECTORY)
    list(APPEND patterns "${top_name}/${dir}/*")
endforeach()
file(ARCHIVE_EXTRACT INPUT "${qt_orig}" DESTINATION "${WORK}" PATTERNS ${patterns})

# What Qt for Windows was built with: QT_FEATURE_<name> 1 or -1.
file(GLOB_RECURSE config_headers "${QT_PREFIX}/include/*config*.h")
if(NOT config_headers)
    fail("no configuration headers in ${QT_PREFIX}/include: is it Qt for Windows?")
endif()
foreach(header IN LISTS config_headers)
    file(STRINGS "${header}" defines REGEX "^#define QT_FEATURE_[a-z0-9_]+ -?1$")
    foreach(define IN LISTS defines)
        string(REGEX REPLACE "^#define QT_FEATURE_([a-z0-9_]+) (-?1)$" "\\1;\\2" pair "${define}")
        list(GET pair 0 name)
        list(GET pair 1 value)
        set_property(GLOBAL PROPERTY quillora_feature_${name} ${value})
    endforeach()
endforeach()

# State shared by the functions below, kept in global properties.
function(get_global name out)
    get_property(value GLOBAL PROPERTY quillora_${name})
    set(${out} "${value}" PARENT_SCOPE)
endfunction()
function(set_global name)
    set_property(GLOBAL PROPERTY quillora_${name} "${ARGN}")
endfunction()
function(append_global name)
    set_property(GLOBAL APPEND PROPERTY quillora_${name} "${ARGN}")
endfunction()

# --- The licence texts, each once ------------------------------------------
# add_text(ID FILE): the text of FILE under the name ID. The same text under
# two names (GPL-3.0-only from Qt, GPL-3 from Debian) is given once, under
# both names.
function(add_text id path)
    get_global(text_file_${id} known)
    get_global(text_alias_${id} alias)
    if(known OR alias)
        return()
    endif()
    if(NOT EXISTS "${path}")
        fail("the licence text ${id} should be in ${path}, which is missing")
    endif()
    file(READ "${path}" text)
    string(REGEX REPLACE "[ \t\r\n]+" " " normal "${text}")
    string(STRIP "${normal}" normal)
    if(normal STREQUAL "")
        fail("the licence text ${id} in ${path} is empty")
    endif()
    string(SHA256 key "${normal}")
    get_global(text_key_${key} first)
    if(first)
        set_global(text_alias_${id} ${first})
        append_global(text_names_${first} ${id})
        return()
    endif()
    set_global(text_key_${key} ${id})
    set_global(text_file_${id} "${path}")
    set_global(text_names_${id} ${id})
    append_global(text_ids ${id})
endfunction()

# text_name(ID FILE OUT): adds the text as add_text does and sets OUT to
# the name it is listed under, the first name of the same text.
function(text_name id path out)
    add_text("${id}" "${path}")
    get_global(text_alias_${id} alias)
    if(alias)
        set(id "${alias}")
    endif()
    set(${out} "${id}" PARENT_SCOPE)
endfunction()

# --- The components: who made each part, its licence, its source ----------
# add_component(KEY BODY): once each, in the order first named.
function(add_component key body)
    get_global(component_${key} known)
    if(NOT known)
        set_global(component_${key} "${body}")
        append_global(components ${key})
    endif()
endfunction()

# source_line(LABEL PACKAGE VERSION OUT): where the source is, and whether it
# is offered beside the program.
function(source_line label package version out)
    set(line "    ${label}: Debian's source package ${package} ${version}")
    if("${package}=${version}" IN_LIST SOURCES)
        string(APPEND line ",\n      offered beside this program wherever it is offered for download")
    endif()
    set(${out} "${line}\n" PARENT_SCOPE)
endfunction()

# Quillora itself.
function(self_component out_key out_what)
    set(${out_key} Quillora PARENT_SCOPE)
    set(${out_what} "${PRODUCT}" PARENT_SCOPE)
    add_text(Quillora-MIT "${LICENSE}")
    add_component(Quillora "${PRODUCT}, by the Quillora developers.\n    Licence: MIT, as in LICENSE.txt beside this file\n    Licence texts: Quillora-MIT\n")
endfunction()

# Qt's own code in a folder of its source: the copyright and licence lines
# of its sources (their documentation snippets aside).
function(qt_dir_component dir out_key out_what)
    set(key "Qt ${dir}")
    set(${out_key} "${key}" PARENT_SCOPE)
    set(${out_what} "Qt ${qt_version}, ${dir}" PARENT_SCOPE)
    get_global(component_${key} known)
    if(known)
        return()
    endif()
    file(GLOB_RECURSE sources "${qt_top}/${dir}/*.cpp" "${qt_top}/${dir}/*.h"
        "${qt_top}/${dir}/*.c" "${qt_top}/${dir}/*.mm")
    list(FILTER sources EXCLUDE REGEX "/(doc|snippets)/")
    if(NOT sources)
        fail("the Qt source ${qt_orig} has no ${dir}")
    endif()
    set(copyrights)
    set(licences)
    foreach(source IN LISTS sources)
        # The header comment's lines, not strings in the code.
        file(STRINGS "${source}" lines LIMIT_COUNT 40 ENCODING UTF-8
            REGEX "^[ \t]*(//|/?\\*)[ \t]*(Copyright \\([Cc]\\) [0-9]|SPDX-License-Identifier:)")
        foreach(line IN LISTS lines)
            if(line MATCHES "SPDX-License-Identifier: *(.*[^ */])")
                list(APPEND licences "${CMAKE_MATCH_1}")
            elseif(line MATCHES "(Copyright \\([Cc]\\) .*[^ */])")
                list(APPEND copyrights "${CMAKE_MATCH_1}")
            endif()
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES copyrights)
    list(SORT copyrights)
    list(REMOVE_DUPLICATES licences)
    list(SORT licences)
    if(NOT licences)
        fail("the sources of ${dir} in ${qt_orig} name no licence")
    endif()
    set(texts)
    set(shown)
    foreach(licence IN LISTS licences)
        # Qt's commercial licence is not one it is passed on under.
        string(REGEX REPLACE "^LicenseRef-Qt-Commercial OR " "" licence "${licence}")
        list(APPEND shown "${licence}")
        string(REGEX MATCHALL "[A-Za-z0-9.+-]+" ids "${licence}")
        list(REMOVE_ITEM ids OR AND WITH)
        foreach(id IN LISTS ids)
            if(NOT EXISTS "${qt_top}/LICENSES/${id}.txt")
                fail("${dir} is under ${id}, whose text is not in LICENSES/ of ${qt_orig}")
            endif()
            add_text(${id} "${qt_top}/LICENSES/${id}.txt")
            list(APPEND texts ${id})
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES texts)
    list(JOIN shown "; " shown)
    list(JOIN texts ", " texts)
    list(JOIN copyrights "\n      " copyrights)
    source_line(Source qt6-base ${qt_deb_version} source)
    add_component("${key}" "Qt ${qt_version}, the code in ${dir} of Debian's qt6-base ${qt_deb_version}\n      (Qt's source with Debian's patches).\n    ${copyrights}\n    Licence: ${shown}\n      (Qt's commercial licence aside)\n${source}    Licence texts: ${texts}\n")
endfunction()

# The third-party code Qt lists for a module, less what the Windows build
# leaves out.
function(qt_attribution_components module out_keys out_whats)
    set(keys)
    set(whats)
    foreach(rel_path IN LISTS attribution_files)
        file(READ "${qt_top}/${rel_path}" json)
        get_filename_component(rel_dir "${rel_path}" DIRECTORY)
        set(dir "${qt_top}/${rel_dir}")
        string(JSON type TYPE "${json}")
        set(entries "-")
        if(type STREQUAL ARRAY)
            string(JSON n LENGTH "${json}")
            math(EXPR last "${n} - 1")
            set(entries)
            foreach(i RANGE ${last})
                list(APPEND entries ${i})
            endforeach()
        endif()
        foreach(i IN LISTS entries)
            if(i STREQUAL "-")
                set(entry "${json}")
            else()
                string(JSON entry GET "${json}" ${i})
            endif()
            string(JSON entry_module ERROR_VARIABLE none GET "${entry}" QDocModule)
            if(NOT entry_module STREQUAL module)
                continue()
            endif()
            foreach(field Id Name Version Copyright License LicenseId LicenseFile LicenseFiles QtUsage)
                string(JSON ${field} ERROR_VARIABLE none GET "${entry}" ${field})
                if(${field} MATCHES "-NOTFOUND$")
                    set(${field} "")
                endif()
            endforeach()
            if(Id STREQUAL "")
                fail("an entry of ${rel_dir}/qt_attribution.json has no Id")
            endif()
            # Left out of the Windows build?
            set(reason "")
            foreach(rule IN LISTS qt_left_out)
                string(REGEX REPLACE "=.*" "" ids "${rule}")
                string(REGEX REPLACE "[*]$" "" prefix "${ids}")
                string(FIND "${Id}" "${prefix}" at)
                if(NOT (ids STREQUAL Id OR (NOT ids STREQUAL prefix AND at EQUAL 0)))
                    continue()
                endif()
                if(rule MATCHES "=(feature|platform):(.*)$")
                    if(CMAKE_MATCH_1 STREQUAL platform)
                        set(reason "${CMAKE_MATCH_2}")
                    else()
                        set(feature ${CMAKE_MATCH_2})
                        get_global(feature_${feature} value)
                        if(value STREQUAL "")
                            fail("Qt for Windows in ${QT_PREFIX} does not say whether it has "
                                "the feature ${feature}, which decides whether ${Id} is in it")
                        elseif(value STREQUAL "-1")
                            set(reason "feature ${feature} off")
                        endif()
                    endif()
                endif()
            endforeach()
            if(reason)
                continue()
            endif()
            # Its licence texts: the files it names, beside it.
            set(license_files)
            if(NOT LicenseFile STREQUAL "")
                list(APPEND license_files "${LicenseFile}")
            endif()
            if(NOT LicenseFiles STREQUAL "")
                string(JSON n LENGTH "${LicenseFiles}")
                math(EXPR last "${n} - 1")
                foreach(j RANGE ${last})
                    string(JSON one GET "${LicenseFiles}" ${j})
                    list(APPEND license_files "${one}")
                endforeach()
            endif()
            set(texts)
            foreach(license_file IN LISTS license_files)
                get_filename_component(text_path "${dir}/${license_file}" ABSOLUTE)
                get_filename_component(name "${license_file}" NAME)
                text_name("${Id}: ${name}" "${text_path}" text_id)
                list(APPEND texts "${text_id}")
            endforeach()
            list(REMOVE_DUPLICATES texts)
            if(texts)
                list(JOIN texts ", " texts)
            else()
                set(texts "none besides its copyright above")
            endif()
            set(what "${Name}")
            if(NOT Version STREQUAL "")
                string(APPEND what " ${Version}")
            endif()
            string(STRIP "${Copyright}" Copyright)
            string(REGEX REPLACE "\r?\n" "\n      " Copyright "${Copyright}")
            string(REGEX REPLACE "[ \t\r\n]+" " " QtUsage "${QtUsage}")
            set(licence "${License}")
            if(NOT LicenseId STREQUAL "" AND NOT LicenseId STREQUAL License)
                string(APPEND licence " (${LicenseId})")
            endif()
            set(key "Qt's third-party code: ${Id}")
            source_line(Source qt6-base ${qt_deb_version} source)
            add_component("${key}" "${what}, in ${rel_dir} of Debian's qt6-base ${qt_deb_version}.\n    Qt says: ${QtUsage}\n    ${Copyright}\n    Licence: ${licence}\n${source}    Licence texts: ${texts}\n")
            list(APPEND keys "${key}")
            list(APPEND whats "${what}")
        endforeach()
    endforeach()
    set(${out_keys} "${keys}" PARENT_SCOPE)
    set(${out_whats} "${whats}" PARENT_SCOPE)
endfunction()

# A file of a Debian package: the package's copyright file, and the licence
# texts of /usr/share/common-licenses it refers to. Packages sharing one
# copyright file (the GCC ones) are one component.
function(deb_component path description out_key out_what)
    get_filename_component(real "${path}" REALPATH)
    execute_process(COMMAND dpkg-query -S "${real}" OUTPUT_VARIABLE owner
        ERROR_VARIABLE error RESULT_VARIABLE status OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT status EQUAL 0)
        fail("no Debian package holds ${real} (${path}); install it with scripts/deps")
    endif()
    string(REGEX REPLACE ":.*" "" package "${owner}")
    string(REGEX REPLACE ":[a-z0-9]+$" "" package "${package}")
    execute_process(COMMAND dpkg-query -W
        "-f=\${Version}\n\${source:Package}\n\${source:Version}\n\${Built-Using}" ${package}
        OUTPUT_VARIABLE facts RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        fail("dpkg-query knows no package ${package}")
    endif()
    string(REPLACE "\n" ";" facts "${facts}")
    list(GET facts 0 version)
    list(GET facts 1 source)
    list(GET facts 2 source_version)
    list(LENGTH facts n)
    set(built_using "")
    if(n GREATER 3)
        list(GET facts 3 built_using)
    endif()
    set(copyright "/usr/share/doc/${package}/copyright")
    if(NOT EXISTS "${copyright}")
        fail("${copyright} is missing: the package ${package}, which holds ${path}, "
            "has no copyright file to give in the notice (reinstall it: apt-get install --reinstall ${package})")
    endif()
    get_filename_component(real_copyright "${copyright}" REALPATH)
    string(MAKE_C_IDENTIFIER "${real_copyright}" id)
    get_filename_component(name "${path}" NAME)
    set(what "${name} of the Debian package ${package} ${version}")
    if(NOT description STREQUAL "")
        set(what "${description}: ${what}")
    endif()
    set(${out_what} "${what}" PARENT_SCOPE)
    get_global(deb_key_${id} key)
    if(key)
        get_global(deb_packages_${id} packages)
        if(NOT "${package} ${version}" IN_LIST packages)
            append_global(deb_packages_${id} "${package} ${version}")
        endif()
        set(${out_key} "${key}" PARENT_SCOPE)
        return()
    endif()
    set(key "Debian: ${package}")
    set(${out_key} "${key}" PARENT_SCOPE)
    set_global(deb_key_${id} "${key}")
    set_global(deb_packages_${id} "${package} ${version}")
    file(READ "${copyright}" text)
    string(REGEX MATCHALL "/usr/share/common-licenses/[A-Za-z0-9+-]+([.][0-9]+)*" refs "${text}")
    list(REMOVE_DUPLICATES refs)
    list(SORT refs)
    set(texts)
    foreach(ref IN LISTS refs)
        get_filename_component(real_ref "${ref}" REALPATH)
        get_filename_component(text_name "${real_ref}" NAME)
        text_name("${text_name}" "${real_ref}" text_name)
        list(APPEND texts "${text_name}")
    endforeach()
    list(REMOVE_DUPLICATES texts)
    list(JOIN texts ", " texts)
    set(sources)
    source_line(Source ${source} ${source_version} line)
    string(APPEND sources "${line}")
    # The sources Debian records the package was built with (GCC's).
    string(REPLACE "," ";" built_using "${built_using}")
    foreach(used IN LISTS built_using)
        if(used MATCHES "^ *([^ ]+) *\\(= *([^)]+)\\)")
            source_line("Built with" ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} line)
            string(APPEND sources "${line}")
        endif()
    endforeach()
    set_global(deb_copyright_${id} "${copyright}")
    add_component("${key}" "@packages_${id}@, from Debian.\n${sources}    Licence texts: ${texts}\n    Its Debian copyright file (${copyright}), word for word:\n\n@copyright_${id}@")
endfunction()

# --- Read it all, then write -------------------------------------------------
self_component(key what)
set(entries "")
foreach(row IN LISTS rows)
    string(REPLACE "|" ";" origins "${row}")
    list(POP_FRONT origins shipped)
    string(APPEND entries "File: ${shipped}\n")
    foreach(origin IN LISTS origins)
        set(keys)
        set(whats)
        if(origin STREQUAL self)
            self_component(keys whats)
        elseif(origin MATCHES "^qt:(.+)$")
            qt_dir_component("${CMAKE_MATCH_1}" keys whats)
        elseif(origin MATCHES "^qt-attributions:(.+)$")
            qt_attribution_components("${CMAKE_MATCH_1}" keys whats)
        elseif(origin MATCHES "^deb:([^=]+)=?(.*)$")
            deb_component("${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" keys whats)
        endif()
        foreach(key what IN ZIP_LISTS keys whats)
            string(APPEND entries "    ${what}\n        see [${key}]\n")
        endforeach()
    endforeach()
    string(APPEND entries "\n")
endforeach()

set(rule "--------------------------------------------------------------------------------")
string(REPLACE "=" " " offered "${SOURCES}")
string(REPLACE ";" ", " offered "${offered}")
set(notice "${PRODUCT} for Windows: the software in this folder and its licences
${rule}

Quillora is under the MIT licence, in LICENSE.txt beside this file. Beside
it, this folder holds the work of others: Qt, Qt's French translations, the
GCC runtime and MinGW-w64, each under its own licence. Part 1 lists every
file with what it holds; part 2 says who made each part, under which licence
and where its source is; part 3 gives the full text of every licence named.
")
if(offered)
    string(APPEND notice "
The source of what these licences ask for it, as Debian publishes it (each
a .dsc with its tarballs), is offered beside this program wherever it is
offered for download: ${offered}.
")
endif()
string(APPEND notice "

1. The files
${rule}

${entries}
2. Who made each part, its licence and its source
${rule}
")
# read_text(FILE OUT): FILE's text ending in exactly one line break.
function(read_text path out)
    file(READ "${path}" text)
    string(REGEX REPLACE "\n+$" "" text "${text}")
    set(${out} "${text}\n" PARENT_SCOPE)
endfunction()

get_global(components components)
foreach(key IN LISTS components)
    get_global(component_${key} body)
    string(APPEND notice "\n[${key}]\n    ${body}")
endforeach()
# The Debian components, now that every package pointing to a copyright
# file is known.
string(REGEX MATCHALL "@packages_[A-Za-z0-9_]+@" placeholders "${notice}")
foreach(placeholder IN LISTS placeholders)
    string(REGEX REPLACE "^@packages_(.*)@$" "\\1" id "${placeholder}")
    get_global(deb_packages_${id} packages)
    list(JOIN packages ", " packages)
    get_global(deb_copyright_${id} copyright)
    read_text("${copyright}" text)
    string(REPLACE "@packages_${id}@" "${packages}" notice "${notice}")
    string(REPLACE "@copyright_${id}@" "${text}" notice "${notice}")
endforeach()

string(APPEND notice "

3. The licence texts
${rule}
")
get_global(text_ids text_ids)
foreach(id IN LISTS text_ids)
    get_global(text_names_${id} names)
    list(JOIN names ", also named " heading)
    get_global(text_file_${id} path)
    read_text("${path}" text)
    string(APPEND notice "\n=== Licence text: ${heading} ===\n\n${text}")
endforeach()

file(WRITE "${OUT}.tmp" "${notice}")
file(RENAME "${OUT}.tmp" "${OUT}")
