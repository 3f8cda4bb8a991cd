# Installation of gauntry-calc, the calculators on the command line:
#
#   bin/gauntry-calc                                  the program
#   share/man/man1/gauntry-calc.1.gz                  its manual page, compressed
#   share/bash-completion/completions/gauntry-calc    its bash completion
#
# It reads the shipped English language file from share/gauntry/lang, which
# it finds from its own folder (installed by cmake/install.cmake).
include(GNUInstallDirs)

install(TARGETS gauntry-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/completion/gauntry-calc
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Debian wants manual pages compressed; gzip -9n leaves the source's name and
# time out, so the same page always gives the same file. It is compressed
# when installed, into a staging folder of the build.
find_program(GAUNTRY_GZIP gzip REQUIRED)
install(CODE "
  set(calc_page [==[${CMAKE_SOURCE_DIR}/doc/gauntry-calc.1]==])
  set(calc_gzip [==[${GAUNTRY_GZIP}]==])
  set(calc_staging [==[${CMAKE_BINARY_DIR}/manual]==])
  set(calc_man1 [==[${CMAKE_INSTALL_MANDIR}/man1]==])")
install(CODE [[
  file(MAKE_DIRECTORY "${calc_staging}")
  execute_process(COMMAND "${calc_gzip}" -9n -c "${calc_page}"
                  OUTPUT_FILE "${calc_staging}/gauntry-calc.1.gz" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${calc_page}")
  endif()
  file(INSTALL "${calc_staging}/gauntry-calc.1.gz" DESTINATION "${CMAKE_INSTALL_PREFIX}/${calc_man1}")
]])
