# Installation of gauntry-calc, the calculators on the command line:
#
#   bin/gauntry-calc                                  the program
#   share/man/man1/gauntry-calc.1.gz                  its manual page
#   share/bash-completion/completions/gauntry-calc    its bash completion
#
# It reads the shipped English language file from share/gauntry/lang, found
# from bin/ (installed by cmake/install.cmake).
install(TARGETS gauntry-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
