#!/bin/sh
# Runs a command on desktop pieces of its own, started here and stopped
# when it ends, each with its own runtime folder, display or socket:
#   x11      an X server (Xvfb)
#   openbox  a window manager on it
#   a11y     a session bus with the accessibility bus (screen readers')
#   weston   a headless Wayland compositor (no keyboard)
#   sway     a headless Wayland compositor with a virtual keyboard (as
#            nobody when run by root, which sway refuses)
# Usage: run_on_desktop.sh PIECE[,PIECE...] SECONDS COMMAND [ARG...]
set -eu
pieces=$1
seconds=$2
shift 2
has() { case ",$pieces," in *",$1,"*) return 0 ;; esac; return 1; }

# The accessibility bus lives on a session bus of our own.
if has a11y && [ -z "${ZUNPA_PRIVATE_BUS:-}" ]; then
  export ZUNPA_PRIVATE_BUS=1
  exec dbus-run-session -- "$0" "$pieces" "$seconds" "$@"
fi

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
children=""
cleanup() {
  for pid in $children; do kill "$pid" 2>/dev/null || true; done
  for pid in $children; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$runtime" "${swaydir:-}"
}
trap cleanup EXIT INT TERM

# Waits up to 10 s for a condition.
wait_for() {
  i=0
  until eval "$1"; do
    i=$((i + 1))
    [ "$i" -lt 100 ] || { echo "run_on_desktop: $2 did not come up" >&2; exit 1; }
    sleep 0.1
  done
}

if has x11; then
  Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$runtime/display" 2>"$runtime/xvfb.log" &
  children="$children $!"
  wait_for '[ -s "$runtime/display" ]' Xvfb
  export DISPLAY=":$(cat "$runtime/display")"
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
fi
if has openbox; then
  # Openbox names itself on the root window before it manages windows, and
  # a window mapped in between is never shown; its start-up command runs
  # once it manages them.
  openbox --sm-disable --startup "touch $runtime/openbox-running" >"$runtime/openbox.log" 2>&1 &
  children="$children $!"
  wait_for '[ -e "$runtime/openbox-running" ]' openbox
fi
if has a11y; then
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$runtime/a11y.log" 2>&1 &
  children="$children $!"
  wait_for 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1' \
    "the accessibility bus"
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
fi
if has weston; then
  weston --backend=headless-backend.so --socket=zunpa-wayland --idle-time=0 --width=1600 --height=1200 \
    --no-config >"$runtime/weston.log" 2>&1 &
  children="$children $!"
  wait_for '[ -S "$runtime/zunpa-wayland" ]' weston
  export WAYLAND_DISPLAY=zunpa-wayland QT_QPA_PLATFORM=wayland
  unset DISPLAY
fi

if has sway; then
  swaydir=$(mktemp -d)
  chmod 700 "$swaydir"
  printf 'output HEADLESS-1 resolution 1600x1200\nxwayland disable\n' >"$swaydir/config"
  as=""
  if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$swaydir"
    as="setpriv --reuid=65534 --regid=65534 --clear-groups"
  fi
  $as env -i PATH=/usr/bin:/bin HOME="$swaydir" XDG_RUNTIME_DIR="$swaydir" WLR_BACKENDS=headless \
    WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 sway -c "$swaydir/config" >"$runtime/sway.log" 2>&1 &
  children="$children $!"
  wait_for 'ls "$swaydir"/wayland-* 2>/dev/null | grep -qv lock' sway
  export WAYLAND_DISPLAY="$(ls "$swaydir"/wayland-* | grep -v lock | head -n 1)" QT_QPA_PLATFORM=wayland
  wait_for 'ls "$swaydir"/sway-ipc.* >/dev/null 2>&1' "sway's socket"
  export SWAYSOCK="$(ls "$swaydir"/sway-ipc.* | head -n 1)"
  unset DISPLAY
  # One virtual keyboard for the whole run: the seat has keys from then on.
  wtype -s 3600000 >/dev/null 2>&1 &
  children="$children $!"
  wait_for 'swaymsg -t get_inputs 2>/dev/null | grep -q keyboard' "the virtual keyboard"
fi

status=0
timeout --kill-after=10 "$seconds" "$@" || status=$?
[ "$status" -eq 124 ] && echo "run_on_desktop: $* ran past $seconds s" >&2
exit "$status"
