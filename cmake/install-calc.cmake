# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

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

# The manual page, compressed as Debian wants it (see gauntry_install_man in
# cmake/install.cmake).
gauntry_install_man(doc/gauntry-calc.1)
