# Sourced by the scripts that run Windows programs: a private Wine prefix under the
# build folder, an Xvfb display when none is given, and a wineserver that stays up
# for the whole run, with Wine's services and desktop, so that each program
# starts quickly.
# Expects BUILD_DIR to be set.

export WINEDEBUG=-all
# SKINGUI_WINEPREFIX gives a prefix of its own to a run beside another one.
export WINEPREFIX="${SKINGUI_WINEPREFIX:-$BUILD_DIR/wineprefix}"
export WINEARCH=win32
# No menu builder: Wine runs it on each new wineserver, and it would start
# a desktop of its own (see start_wine) that lingers for a moment, long
# enough to turn away the one that start_wine starts to last.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

wine_env_cleanup() {
  if [ -n "${SKINGUI_OWN_WINESERVER:-}" ]; then wineserver -k >/dev/null 2>&1 || true; fi
  if [ -n "${SKINGUI_XVFB_PID:-}" ]; then kill "$SKINGUI_XVFB_PID" 2>/dev/null || true; fi
}

# Whether Wine's desktop process of this prefix is running.
wine_desktop_running() {
  local p
  for p in $(pgrep -f 'explorer.exe /desktop'); do
    tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

# Runs a Windows program under Wine's heap checks, as the tests run (see
# skingui_heap_checks): freed blocks are filled, and a fault the program's own
# heap check finds is printed as "err:heap". Its status is the program's, or 1
# when Wine printed a heap fault. Wine turns its channels off when stderr is
# /dev/null, so stderr goes through a file and is shown afterwards.
run_with_heap_checks() {
  local log status=0
  log="$(mktemp)"
  WINEDEBUG=-all,err+heap,warn+heap timeout 120 wine "$@" </dev/null 2>"$log" || status=$?
  cat "$log" >&2
  if [ "$status" -eq 0 ] && grep -q 'err:heap' "$log"; then status=1; fi
  rm -f "$log"
  return "$status"
}

start_display() {
  if [ -n "${DISPLAY:-}" ] && [ -z "${SKINGUI_FORCE_XVFB:-}" ]; then return; fi
  # Xvfb picks a free display number itself and writes it to fd 3: several
  # runs on one machine never share a display.
  local numfile
  numfile="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
  SKINGUI_XVFB_PID=$!
  for _ in $(seq 100); do [ -s "$numfile" ] && break; sleep 0.1; done
  if [ ! -s "$numfile" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$numfile"
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$numfile")"
  rm -f "$numfile"
}

start_wine() {
  start_display
  trap wine_env_cleanup EXIT
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX ..."
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # A wineserver already running on the prefix (another script's, such as a
  # test run's) is used as it is, and left running at the end.
  SKINGUI_OWN_WINESERVER=""
  if wineserver -p 2>/dev/null; then SKINGUI_OWN_WINESERVER=1; fi
  # Start Wine's background services now, with no pipes attached: a service
  # started by the first test would otherwise hold CTest's output pipe open
  # until the wineserver exits, and CTest would wait for it.
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
  # Wine's own user-interface fonts and Arial have no Chinese characters: link
  # them to the CJK font so that captions, menus and labels show them, as a
  # Chinese Windows does. Skins name the Chinese system font, which Wine lacks:
  # the CJK font stands in for it.
  if [ ! -f "$WINEPREFIX/.skingui-fontlink-2" ]; then
    local face
    for face in Tahoma "MS Sans Serif" "Microsoft Sans Serif" "Segoe UI" Arial; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
        /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f </dev/null >/dev/null 2>&1 || true
    done
    # A UTF-16 registry file, so that the Chinese name does not depend on the locale.
    local reg="$WINEPREFIX/skingui-fonts.reg"
    printf '%s\r\n\r\n%s\r\n"SimSun"="WenQuanYi Micro Hei"\r\n"\xe5\xae\x8b\xe4\xbd\x93"="WenQuanYi Micro Hei"\r\n' \
      'Windows Registry Editor Version 5.00' \
      '[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes]' |
      iconv -f UTF-8 -t UTF-16 >"$reg"
    wine regedit /S "$reg" </dev/null >/dev/null 2>&1 || true
    touch "$WINEPREFIX/.skingui-fontlink-2"
  fi
  # The system frame draws its caption buttons in Marlett, one of Wine's own
  # fonts (Debian's fonts-wine), which this Wine does not look for in its data
  # folder: without it the buttons show letters. The prefix gets a copy.
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ -d "$fonts" ] && [ ! -e "$fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
  # Windows stay unmanaged on every display, ours or one given: the window
  # state the tests check (activation, minimizing, positions) is then Wine's
  # own, not a window manager's, and on a display with no manager Wine does not
  # wait for a manager's answer each time a framed window goes away.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f </dev/null >/dev/null 2>&1 || true
  # A program that crashes gets its backtrace printed and ends: without this
  # the debugger shows a dialog on the display and waits for a click that never
  # comes, and the test hangs until its time limit.
  if [ ! -f "$WINEPREFIX/.skingui-nocrashdialog" ]; then
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1 || true
    touch "$WINEPREFIX/.skingui-nocrashdialog"
  fi
  # The desktop, also with no pipes attached. The first program to touch it
  # (even one that only draws into bitmaps) would otherwise start Wine's
  # desktop process, explorer.exe, which keeps that program's stderr, CTest's
  # output pipe of its test, for as long as any program uses the desktop:
  # CTest would wait for the test until the desktop had been idle for a
  # second, often the end of the whole run, and a test run alone would wait
  # that second each time. Started here, the desktop lasts as long as the
  # wineserver, since `wine` stays beside explorer.exe and keeps the desktop
  # in use; when a desktop is already up, this explorer.exe ends at once.
  wine explorer.exe /desktop </dev/null >/dev/null 2>&1 &
  # That explorer.exe starts in the background, and a test started before it
  # is up starts a desktop of its own, with the test's pipe (a test once
  # waited that way for the whole run). Wait until it runs, then until the
  # desktop answers: a window opened with no pipes attached returns once the
  # desktop is up.
  local i
  for i in $(seq 50); do wine_desktop_running && break; sleep 0.1; done
  timeout 30 wine rundll32.exe user32.dll,GetDesktopWindow </dev/null >/dev/null 2>&1 || true
}
