#!/usr/bin/env bash
# The screen saver in Debian's own XScreenSaver daemon, on Xvfb, configured with kaleidra alone: activated, it
# draws a picture that grows; deactivated, the saver is gone within a second.
source "$(dirname "$0")/../e2e/lib.sh" "$1"
command -v xscreensaver >/dev/null || fail "xscreensaver is not installed (scripts/install-deps.sh --test installs it)"
# The daemon runs hacks for an ordinary user only: as root, the test runs it as nobody, with a home of its own.
user=()
[ "$(id -u)" -ne 0 ] || user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
as_user() { "${user[@]}" env -u XDG_RUNTIME_DIR HOME="$WORK/home" "$@"; }
mkdir -m 755 "$WORK/home"
chmod 755 "$WORK"
cp "$PROGRAM" "$WORK/home/kaleidra-saver"
printf 'mode: one\nselected: 0\ntimeout: 0:30:00\nfade: False\nunfade: False\nsplash: False\nprograms: "Kaleidra" %s --root \\n\\\n\n' \
    "$WORK/home/kaleidra-saver" >"$WORK/home/.xscreensaver"
start_display -ac -screen 0 1920x1080x24
as_user xscreensaver -no-splash >"$WORK/daemon.log" 2>&1 &
within 20 as_user xscreensaver-command -time >/dev/null 2>&1 || fail "the daemon did not start: $(cat "$WORK/daemon.log")"
as_user xscreensaver-command -activate >/dev/null
running() { pgrep -f "^$WORK/home/kaleidra-saver --root" >/dev/null; }
within 10 running || fail "activated, the daemon started no kaleidra-saver: $(cat "$WORK/daemon.log")"
drawn() { import -window root "$WORK/screen.png" && count=$(lit "$WORK/screen.png") && [ "$count" -gt "$1" ]; }
within 5 drawn 0 || fail "nothing drawn on the screen: $(cat "$WORK/daemon.log")"
first=$count
within 5 drawn "$first" || fail "the picture did not grow from $first pixels"
as_user xscreensaver-command -deactivate >/dev/null
within 1 eval '! running' || fail "deactivated, kaleidra-saver still runs after a second"
as_user xscreensaver-command -exit >/dev/null 2>&1 || true
echo "xscreensaver: $first pixels lit, then $count; gone when deactivated"
