#!/usr/bin/env bash
# Runs a command as an assistive technology sees it: in a D-Bus session of its own with the
# accessibility bus started, on a private virtual X display, with Qt's bridge to the bus always
# on. Home and runtime folders are private too, so two runs never share a bus socket.
#   a11y_session.sh COMMAND [ARGS...]
set -euo pipefail
if [ -z "${VLMR_A11Y_SESSION:-}" ]; then
  for tool in Xvfb dbus-run-session dbus-send; do
    command -v "$tool" >/dev/null ||
      { echo "a11y test: $tool is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
  done
  /usr/bin/python3 -c "import pyatspi" 2>/dev/null ||
    { echo "a11y test: python3-pyatspi is missing (scripts/install-deps.sh installs it)" >&2; exit 1; }
  private=$(mktemp -d)
  trap 'rm -rf "$private"' EXIT
  mkdir -m 700 "$private/home" "$private/runtime"
  status=0
  HOME="$private/home" XDG_RUNTIME_DIR="$private/runtime" VLMR_A11Y_SESSION=1 \
    dbus-run-session -- "$0" "$@" || status=$?
  exit $status
fi

# The bus must be up before the application looks for it, or Qt's bridge stays off.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null

display=""
for n in $(seq $((200 + RANDOM % 300)) 999); do
  [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || { display=":$n"; break; }
done
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done

export DISPLAY="$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset WAYLAND_DISPLAY
"$@"
