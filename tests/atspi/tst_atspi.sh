#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Gauntry developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs walk.py against gauntry as a screen reader meets it: on a private X
# display, a private session bus and its own accessibility bus.
#   tst_atspi.sh GAUNTRY LANGDIR
# Each helper runs in a session of its own, which the exit trap kills whole.
# Should this script be killed outright, the helpers get SIGKILL from the
# kernel (setpriv --pdeathsig) and a watchdog kills their sessions, which
# holds their own children too; nothing outlives the test. Every wait has a
# limit.
set -u
gauntry=${1:?gauntry binary} langdir=${2:?language folder}
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3    # Debian's, which has pyatspi; not whichever is first on PATH
launcher=/usr/libexec/at-spi-bus-launcher

die() { echo "tst_atspi: $*" >&2; exit 1; }
for tool in Xvfb xauth dbus-daemon timeout setsid setpriv od; do
  command -v "$tool" >/dev/null || die "$tool is missing (scripts/install-deps.sh installs it)"
done
[ -x "$launcher" ] || die "$launcher is missing (at-spi2-core; scripts/install-deps.sh)"
"$python" -c 'import pyatspi' 2>/dev/null ||
  die "$python cannot import pyatspi (python3-pyatspi, gir1.2-atspi-2.0; scripts/install-deps.sh)"
[ -x "$gauntry" ] || die "no program at $gauntry"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/tst_atspi.XXXXXX") || die "no temporary folder"
sessions=() watchdog=
cleanup() {
  local s alive
  [ -n "$watchdog" ] && kill "$watchdog" 2>/dev/null
  for s in "${sessions[@]}"; do kill -TERM -- "-$s" 2>/dev/null; done
  for _ in $(seq 25); do
    alive=
    for s in "${sessions[@]}"; do kill -0 -- "-$s" 2>/dev/null && alive=1; done
    [ -z "$alive" ] && break
    sleep 0.2
  done
  for s in "${sessions[@]}"; do kill -KILL -- "-$s" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Starts a helper in a session of its own; its pid names the session.
spawn() {
  setsid setpriv --pdeathsig KILL -- "$@" &
  sessions+=($!)
}

# Waits up to 10 s for file $1 to hold a line while the last helper lives.
await_line() {
  local pid=${sessions[-1]}
  for _ in $(seq 100); do
    grep -q . "$1" 2>/dev/null && return 0
    kill -0 "$pid" 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

# Nothing of the caller's desktop may leak in: no bus, no settings daemon.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS SESSION_MANAGER WAYLAND_DISPLAY
export XDG_RUNTIME_DIR=$tmp/run XDG_CONFIG_HOME=$tmp/config XDG_CACHE_HOME=$tmp/cache
export XDG_DATA_HOME=$tmp/data GSETTINGS_BACKEND=memory
mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The display answers only to holders of its cookie. Xvfb loads every cookie
# of its file whatever display it is filed under, so the number it picks for
# itself (-displayfd) is entered afterwards for the clients.
export XAUTHORITY=$tmp/Xauthority
cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
: >"$XAUTHORITY"
xauth -q -f "$XAUTHORITY" add :0 . "$cookie" || die "xauth failed"
spawn Xvfb -displayfd 3 -nolisten tcp -noreset -auth "$XAUTHORITY" -screen 0 1280x1024x24 \
  3>"$tmp/display" >"$tmp/xvfb.log" 2>&1
await_line "$tmp/display" || { cat "$tmp/xvfb.log" >&2; die "Xvfb did not start"; }
DISPLAY=:$(head -n1 "$tmp/display")
export DISPLAY
xauth -q -f "$XAUTHORITY" add "$DISPLAY" . "$cookie" || die "xauth failed"

spawn dbus-daemon --session --nofork --print-address=3 3>"$tmp/bus" 2>"$tmp/dbus.log"
await_line "$tmp/bus" || { cat "$tmp/dbus.log" >&2; die "the session bus did not start"; }
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$tmp/bus")
export DBUS_SESSION_BUS_ADDRESS

# The launcher owns org.a11y.Bus on the session bus and runs the
# accessibility bus, and through it the registry, as its children.
spawn "$launcher" --launch-immediately >"$tmp/launcher.log" 2>&1
setsid bash -c 'while kill -0 "$0" 2>/dev/null; do sleep 1; done; for s; do kill -KILL -- "-$s"; done' \
  $$ "${sessions[@]}" </dev/null >/dev/null 2>&1 &
watchdog=$!

# Under the sanitizers: libdbus keeps a small allocation of the xcb
# platform's bus connection to the end, which is not the program's leak; and
# libxkbcommon-x11 copies strings out of X replies with a bounded strndup of
# unterminated buffers, which strict_string_checks takes for an overflow.
export LSAN_OPTIONS="suppressions=$here/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"

# The walker starts the program itself, once per language; at 150 s it is
# stopped, program and all.
spawn timeout -k 5 150 setpriv --pdeathsig KILL -- "$python" "$here/walk.py" "$gauntry" "$langdir" "$tmp"
wait "${sessions[-1]}"
rc=$?
if [ $rc -gt 1 ] && [ -s "$tmp/launcher.log" ]; then
  echo "--- at-spi-bus-launcher said:" >&2
  cat "$tmp/launcher.log" >&2
fi
[ $rc -eq 124 ] && echo "tst_atspi: the walk took longer than 150 s and was stopped" >&2
exit $rc
