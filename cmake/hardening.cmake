# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The hardening Debian gives its own packages (dpkg-buildflags with
# hardening=+all), for the optimised build that `make package` packages:
#  - _FORTIFY_SOURCE=2: glibc checks the sizes of buffers that string and
#    memory functions write, where the compiler knows them;
#  - -fstack-protector-strong: a canary on every stack frame with a local
#    array or an address taken;
#  - -Wformat -Werror=format-security: no printf-style call with a format
#    that is not a literal;
#  - full RELRO (-z relro -z now): every symbol is bound at start-up and the
#    relocation tables are read-only from then on.
# Position-independent executables are Debian's compiler default.
# Only Release builds get them: the sanitizer and fuzz builds (Debug,
# RelWithDebInfo) check memory themselves, and _FORTIFY_SOURCE needs
# optimisation. Included before any target, so every target gets them.
option(GAUNTRY_HARDENING "Build Release with Debian's hardening flags" ON)
if(GAUNTRY_HARDENING)
  set(release "$<CONFIG:Release>")
  add_compile_options("$<${release}:-U_FORTIFY_SOURCE>" "$<${release}:-D_FORTIFY_SOURCE=2>"
    "$<${release}:-fstack-protector-strong>" "$<${release}:-Wformat>" "$<${release}:-Werror=format-security>")
  add_link_options("$<${release}:LINKER:-z,relro>" "$<${release}:LINKER:-z,now>")
  unset(release)
endif()
