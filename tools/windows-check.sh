#!/usr/bin/env bash
# Builds Farewright.dll and the tests for Windows, checks what the module exports and imports,
# and runs the tests under Wine in a Wine prefix of their own, made afresh.
# Usage: tools/windows-check.sh
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset windows >/dev/null && cmake --build --preset windows

dll=build/windows/server/Farewright.dll
objdump=x86_64-w64-mingw32-objdump
# The module exports the four entry points and nothing else.
exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          sed -n 's/^\s*\[ *[0-9]*\] //p' | sort | tr '\n' ' ')
expected="DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer "
if [ "$exports" != "$expected" ]; then
  echo "windows-check: $dll exports '$exports', not '$expected'" >&2
  exit 1
fi
# It imports only libraries of the system: the compiler's runtime is linked in.
system_dlls='^(kernel32|msvcrt|ole32|oleaut32|shell32|advapi32|user32|gdi32|comctl32)\.dll$'
while read -r name; do
  if ! [[ "${name,,}" =~ $system_dlls ]]; then
    echo "windows-check: $dll imports $name, which is not a library of the system" >&2
    exit 1
  fi
done < <("$objdump" -p "$dll" | sed -n 's/^\s*DLL Name: //p')
echo "windows-check: $dll exports the four entry points and imports only system libraries"

# Everything below runs under Wine, each part in a prefix made for it. Nothing under Wine may
# hang the run: a prefix's first start is slow, the rest is quick, and each step has a time
# limit.
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
prefixes=()
fresh_prefix() {
  WINEPREFIX=$(mktemp -d /tmp/farewright-wine.XXXXXX)
  prefixes+=("$WINEPREFIX")
  timeout 600 wineboot -i >/dev/null 2>&1
  # With no window manager on the display, Wine's windows are its own to place: it then does
  # not wait for a manager to map and unmap them.
  timeout 120 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}
# The forms are real windows: they need a display, a virtual one of this run's own.
display_pid=
for n in $(seq 90 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    display_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && break
      sleep 0.1
    done
    break
  fi
done
leave_prefixes() {
  for prefix in "${prefixes[@]}"; do
    WINEPREFIX=$prefix wineserver -k >/dev/null 2>&1 || true
    rm -rf "$prefix"
  done
  [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null || true
}
trap leave_prefixes EXIT
status=0

# Every unit and scenario test, cross-built. A test program that fails is run once more: Wine
# now and then fails to start a process under load, and a fault of ours fails both runs (the
# first failure stays in the output).
fresh_prefix
ctest --preset windows --timeout 300 --repeat until-pass:2 || status=$?
timeout 120 wineserver -w || true

# Registration in a prefix of its own, which the tests have not touched.
fresh_prefix

# The module registered as an installer registers it, created by ProgID from a script, driven
# by a client, and unregistered again, leaving the classes' part of the registry as it was.
winpath() { echo "Z:${1//\//\\}"; }
classes() { wine reg export 'HKEY_LOCAL_MACHINE\Software\Classes' "$(winpath "$1")" /y >/dev/null; }
work=$(mktemp -d /tmp/farewright-registry.XXXXXX)
# Installed where a single quote is in the path, which the registry scripts must double.
mkdir "$work/agent's terminal"
cp "$dll" "$work/agent's terminal/"
module=$(winpath "$work/agent's terminal/Farewright.dll")
# The script host registers its own type library when it first runs: before the picture.
echo "" >"$work/nothing.js"
timeout 300 wine cscript //nologo "$(winpath "$work/nothing.js")" >/dev/null 2>&1 || true
classes "$work/before.reg"
if timeout 300 wine regsvr32 /s "$module"; then
  echo "windows-check: regsvr32 registered $dll"
  timeout 300 wine build/windows/tests/automation_client.exe | tr -d '\r' || status=1
  # Each mask embedded in a container's window, typed into through window messages and sent;
  # a picture of each form as it shows, filled in (docs/forms/ keeps them).
  mkdir -p build/windows/pictures
  timeout 300 wine build/windows/tests/control_container.exe \
    "$(winpath "$PWD/build/windows/pictures")" | tr -d '\r' || status=1
  # quorvex-host's picture of a form it has opened, taken from the window.
  printf 'create IssManualVoidTkt\npicture %s\n' "$(winpath "$work/opened.png")" >"$work/picture.qvx"
  timeout 120 wine build/windows/host/quorvex-host.exe "$(winpath "$work/picture.qvx")" | tr -d '\r'
  if [ "$(head -c 4 "$work/opened.png" 2>/dev/null | tail -c 3)" = PNG ]; then
    echo "windows-check: quorvex-host saved a picture of the form"
  else
    echo "windows-check: quorvex-host saved no picture of the form" >&2
    status=1
  fi
  timeout 300 wine cscript //nologo "$(winpath "$PWD/tests/windows/create_by_progid.js")" |
    tr -d '\r' || status=1
  timeout 300 wine regsvr32 /s /u "$module" || { echo "windows-check: regsvr32 /u failed" >&2; status=1; }
  classes "$work/after.reg"
  if ! diff <(iconv -f UTF-16LE -t UTF-8 "$work/before.reg") \
            <(iconv -f UTF-16LE -t UTF-8 "$work/after.reg") >"$work/diff"; then
    echo "windows-check: unregistering left the registry changed:" >&2
    head -n 40 "$work/diff" >&2
    status=1
  else
    echo "windows-check: regsvr32 /u left the registry as it was"
  fi
else
  echo "windows-check: regsvr32 could not register $dll" >&2
  status=1
fi
rm -rf "$work"
timeout 120 wineserver -w || true
exit $status
