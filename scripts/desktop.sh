# A desktop of its own for a test or a benchmark, sourced, not run:
#   . scripts/desktop.sh
#   desktop [--wayland] [--sessione] [--bus] [--orca LOG]
# starts a display, an X server (Xvfb, 1024x768x24) or, with --wayland, Weston's headless
# compositor and no X server at all; with --sessione, a private D-Bus session, as on every
# desktop; with --bus, the session with the accessibility bus and Qt's AT-SPI bridge
# switched on, as on a screen reader user's desktop; with --orca LOG, Orca listening too
# (implies --bus), logging every utterance to LOG (speech itself is off: no sound card is
# needed). Everything it starts, and whatever
# is handed to desktop_sfondo, is ended when the shell that sourced it exits, and the
# folder $desktop_lavoro, for files that go with the desktop, is removed.

desktop_lavoro=$(mktemp -d)
_desktop_pids=()
_desktop_fine() {
  local i
  # Last started, first ended: the program goes before the bus and the display it uses, so
  # it is never the one left to report a broken connection.
  for ((i = ${#_desktop_pids[@]} - 1; i >= 0; i--)); do
    kill "${_desktop_pids[i]}" 2>/dev/null || true
    _desktop_fino_a_fine "${_desktop_pids[i]}"
  done
  for i in "${_desktop_pids[@]}"; do kill -9 "$i" 2>/dev/null || true; done
  # The accessibility bus's own daemon listens under the private runtime folder.
  pkill -9 -f -- "$desktop_lavoro" 2>/dev/null || true
  rm -rf "$desktop_lavoro"
}
trap _desktop_fine EXIT

# Starts a helper in the background, to be ended with the desktop.
desktop_sfondo() {
  "$@" &
  _desktop_pids+=($!)
}

# Waits up to 3 seconds for a process to end.
_desktop_fino_a_fine() {
  local _
  for _ in $(seq 30); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
}

# Waits up to 10 seconds for a file to hold something.
_desktop_attendi() {
  local _
  for _ in $(seq 100); do [ -s "$1" ] && return 0; sleep 0.1; done
  return 1
}

desktop() {
  local wayland='' sessione='' bus='' orca=''
  while [ $# -gt 0 ]; do
    case $1 in
      --wayland) wayland=1 ;;
      --sessione) sessione=1 ;;
      --bus) sessione=1 bus=1 ;;
      --orca) orca=$(realpath -m "$2") sessione=1 bus=1; shift ;;
      *) echo "desktop: unknown option $1" >&2; return 2 ;;
    esac
    shift
  done
  local lavoro=$desktop_lavoro
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY DISPLAY
  export XDG_RUNTIME_DIR=$lavoro
  if [ -n "$wayland" ]; then
    desktop_sfondo weston --backend=headless-backend.so --socket=almanacco --width=1024 \
      --height=768 --idle-time=0 --log="$lavoro/weston.log"
    export WAYLAND_DISPLAY=almanacco
    local _
    for _ in $(seq 100); do [ -S "$lavoro/almanacco" ] && break; sleep 0.1; done
    [ -S "$lavoro/almanacco" ] || { cat "$lavoro/weston.log" >&2; return 1; }
  else
    desktop_sfondo Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$lavoro/display"
    _desktop_attendi "$lavoro/display" || { echo "desktop: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n 1 "$lavoro/display")"
  fi
  [ -n "$sessione" ] || return 0

  dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$lavoro/bus" 4>"$lavoro/bus.pid"
  _desktop_pids+=("$(head -n 1 "$lavoro/bus.pid")")
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$lavoro/bus")
  export DBUS_SESSION_BUS_ADDRESS
  [ -n "$bus" ] || return 0

  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  desktop_sfondo /usr/libexec/at-spi-bus-launcher --launch-immediately
  [ -n "$orca" ] || return 0

  # Orca buffers its log: written line by line, each utterance is there when it is said.
  mkdir -p "$lavoro/orca"
  printf '%s\n' 'from orca import debug' \
    'if debug.debugFile: debug.debugFile.reconfigure(line_buffering=True)' \
    >"$lavoro/orca/orca-customizations.py"
  desktop_sfondo orca -u "$lavoro/orca" --debug-file "$orca" -d speech
  # Orca is listening once it starts its registry; a busy machine may take its time, and
  # a test that went on without it would only fail later for a reason it could not name.
  for _ in $(seq 600); do
    [ -f "$orca" ] && awk '/ORCA: Starting registry/ { f = 1; exit } END { exit !f }' "$orca" &&
      return 0
    sleep 0.1
  done
  echo "desktop: Orca did not start in a minute; the end of its log:" >&2
  tail -n 20 "$orca" >&2 2>/dev/null || true
  return 1
}
