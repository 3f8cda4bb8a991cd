# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation into the standard places, and the Debian package built from the
# same rules (`cmake --install`, `make install PREFIX=...`, `make package`):
#
#   bin/gauntry                        the launcher, a shell script (app/launcher.sh.in)
#   libexec/gauntry/gauntry            the program
#   share/gauntry/lang/*.txt           the shipped language files, read-only data
#   share/applications/<id>.desktop    the desktop menu entry
#   share/metainfo/<id>.metainfo.xml   the AppStream description
#   share/icons/hicolor/*/apps/<id>.*  the icon: scalable SVG and PNG sizes
#   share/man/man1/gauntry.1.gz        the launcher's manual page (doc/gauntry.1)
#   share/doc/gauntry/, share/lintian/ the package's copyright, changelog and
#                                      lintian overrides (data/debian/)
#
# The program runs in the user's own folder of language files, which the
# launcher prepares; the launcher finds the program and the shipped files
# relative to itself, so the prefix may still change at install time.
include(GNUInstallDirs)

set(GAUNTRY_APP_ID org.gauntry.Gauntry)
set(GAUNTRY_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/gauntry)
set(GAUNTRY_LANG_DIR ${CMAKE_INSTALL_DATADIR}/gauntry/lang)

install(TARGETS gauntry RUNTIME DESTINATION ${GAUNTRY_PROGRAM_DIR})

file(GLOB GAUNTRY_LANG_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/lang/*.txt)
install(FILES ${GAUNTRY_LANG_FILES} DESTINATION ${GAUNTRY_LANG_DIR})

# With relative install folders these paths do not depend on the prefix.
file(RELATIVE_PATH LAUNCHER_TO_PROGRAM ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${GAUNTRY_PROGRAM_DIR}/gauntry)
file(RELATIVE_PATH LAUNCHER_TO_LANG ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${GAUNTRY_LANG_DIR})
configure_file(${CMAKE_SOURCE_DIR}/app/launcher.sh.in ${CMAKE_BINARY_DIR}/launcher/gauntry @ONLY)
install(PROGRAMS ${CMAKE_BINARY_DIR}/launcher/gauntry DESTINATION ${CMAKE_INSTALL_BINDIR})

set(GAUNTRY_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/${GAUNTRY_APP_ID}.svg DESTINATION ${GAUNTRY_ICON_DIR}/scalable/apps)
file(GLOB GAUNTRY_PNG_ICONS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/icons/*x*.png)
foreach(png ${GAUNTRY_PNG_ICONS})
  get_filename_component(size ${png} NAME_WE) # "48x48"
  install(FILES ${png} DESTINATION ${GAUNTRY_ICON_DIR}/${size}/apps RENAME ${GAUNTRY_APP_ID}.png)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/data/desktop/${GAUNTRY_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants manual pages and changelogs compressed with gzip -9n: the
# most compression, and neither the file's name nor its time in the archive,
# so the same file always gives the same bytes. gauntry_gzip(<source> <name>)
# compresses <source> at build time into <build>/gz/<name>.gz and sets
# GAUNTRY_GZIPPED to that file.
find_program(GAUNTRY_GZIP gzip REQUIRED)
function(gauntry_gzip source name)
  set(copy "${CMAKE_BINARY_DIR}/gz/${name}")
  add_custom_command(OUTPUT "${copy}.gz"
    COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${copy}"
    COMMAND ${GAUNTRY_GZIP} -9nf "${copy}"
    # gzip gives the archive the source's time; the build wants it newer.
    COMMAND ${CMAKE_COMMAND} -E touch "${copy}.gz"
    DEPENDS "${source}"
    COMMENT "Compressing ${name}"
    VERBATIM)
  add_custom_target(gz_${name} ALL DEPENDS "${copy}.gz")
  set(GAUNTRY_GZIPPED "${copy}.gz" PARENT_SCOPE)
endfunction()

# gauntry_install_man(<source>) installs the manual page <source>, a troff
# file named <name>.<section> (doc/gauntry.1), compressed as above, as
# share/man/man<section>/<name>.<section>.gz. A relative <source> is taken
# from the calling folder. Every program in bin/ needs one.
function(gauntry_install_man source)
  cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}" NORMALIZE)
  cmake_path(GET source FILENAME page)
  if(NOT page MATCHES "\\.([1-9])[a-z]*$")
    message(FATAL_ERROR "gauntry_install_man: ${source} is not named <name>.<section>")
  endif()
  set(section ${CMAKE_MATCH_1})
  gauntry_gzip("${source}" "${page}")
  install(FILES "${GAUNTRY_GZIPPED}" DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

gauntry_install_man(doc/gauntry.1)

# What Debian asks of every package, installed by `make install` as well, so
# the package holds exactly the installed files (data/debian/):
#   share/doc/gauntry/copyright             machine-readable copyright (DEP-5)
#   share/doc/gauntry/changelog.Debian.gz   the package's changelog
#   share/lintian/overrides/gauntry         lintian findings that are meant,
#                                           each with its reason
set(GAUNTRY_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/gauntry)
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/copyright DESTINATION ${GAUNTRY_DOC_DIR})
gauntry_gzip(${CMAKE_SOURCE_DIR}/data/debian/changelog changelog.Debian)
install(FILES ${GAUNTRY_GZIPPED} DESTINATION ${GAUNTRY_DOC_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/debian/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides RENAME gauntry)

# The menu entry starts the launcher by its full path, which is known only at
# install time (`cmake --install --prefix` may change it), so the entry is
# written then. A path with blanks or other reserved characters is quoted and
# escaped as desktop entries require.
install(CODE "
  set(gauntry_bindir [==[${CMAKE_INSTALL_BINDIR}]==])
  set(gauntry_applications [==[${CMAKE_INSTALL_DATADIR}/applications]==])
  set(gauntry_entry_in [==[${CMAKE_SOURCE_DIR}/data/desktop/${GAUNTRY_APP_ID}.desktop.in]==])
  set(gauntry_staging [==[${CMAKE_BINARY_DIR}/launcher]==])
  set(gauntry_app_id ${GAUNTRY_APP_ID})")
install(CODE [[
  cmake_path(ABSOLUTE_PATH gauntry_bindir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE
             OUTPUT_VARIABLE exec)
  string(APPEND exec "/gauntry")
  if(NOT exec MATCHES "^[A-Za-z0-9_./+-]+$")
    string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
  endif()
  string(REPLACE "\\" "\\\\" exec "${exec}")
  string(REPLACE "%" "%%" exec "${exec}")
  file(READ "${gauntry_entry_in}" entry)
  string(REPLACE "@GAUNTRY_EXEC@" "${exec}" entry "${entry}")
  # Staged per destination, so installs into different places never share it.
  string(MD5 staging "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
  set(staging "${gauntry_staging}/${staging}/${gauntry_app_id}.desktop")
  file(WRITE "${staging}" "${entry}")
  file(INSTALL "${staging}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${gauntry_applications}")
]])

# The install test installs this build and packages it.
if(TARGET tst_install)
  target_compile_definitions(tst_install PRIVATE GAUNTRY_BUILD_DIR="${CMAKE_BINARY_DIR}"
    GAUNTRY_CMAKE="${CMAKE_COMMAND}" GAUNTRY_CPACK="${CMAKE_CPACK_COMMAND}")
  add_dependencies(tst_install gauntry gauntry-calc)
endif()

# The Debian package: the same files under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME gauntry)
set(CPACK_PACKAGE_VENDOR Quorvel)
set(CPACK_PACKAGE_CONTACT "Gauntry maintainers <gauntry@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flowmeter engineering calculators")
# The long description as it appears in the package, in lines of at most 80
# columns; CPack puts the leading blank of each line in.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "A desktop suite of calculators for people who select, size and sell"
  "flowmeters for water and process plants: pipe velocity with the accuracy"
  "of four meter types, pressure loss, meter sizing, payback, a unit"
  "converter, a meter technology selection guide and an insertion-probe"
  "calculation. Every screen recalculates as you type, in metric or imperial"
  "units, in eight language sets, and exports a one-page PDF data sheet.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps names the packages of the Qt and C++ libraries the program
# links. Debian ships Qt's X11 platform plugin, loaded at run time, in
# libqt6gui6, so that one covers it too (the install test checks both).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
