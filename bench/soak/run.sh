#!/usr/bin/env bash
# Soak: drives the real program on a fresh Xvfb as a user would, with xdotool: N warnings (an
# invalid entry, VERIFICA, the box dismissed with Enter), then N valid clicks (3, 4, 5). Every
# 500 actions it prints the program's resident memory, open file descriptors and threads; at the
# end, how far the memory moved over the warnings after the first 500.
# Usage: bench/soak/run.sh [N]   (after: cmake --preset bench && cmake --build --preset bench)
set -euo pipefail
cd "$(dirname "$0")/../.."
n=${1:-5000}
program=build/bench/app/qt/terne
[ -x "$program" ] || { echo "build first: cmake --preset bench && cmake --build --preset bench" >&2; exit 1; }

display=:$((300 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
server=$!
app=
trap 'kill $app $server 2>/dev/null' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1
"$program" 2>/dev/null &
app=$!
form=$(xdotool search --sync --name '^Form1$' | head -n 1)
sleep 0.5
xdotool mousemove --window "$form" 5 5  # no window manager: keys go where the pointer is

box_shown() { xdotool search --onlyvisible --name '^Terne pitagoriche$' >/dev/null 2>&1; }
status() { awk -v k="$1:" '$1 == k {print $2}' "/proc/$app/status"; }
sample() {  # sample ACTIONS PHASE
    printf '%8d  %-9s %9d %5d %8d\n' "$1" "$2" "$(status VmRSS)" "$(find "/proc/$app/fd" -mindepth 1 -maxdepth 1 | wc -l)" \
        "$(status Threads)"
}

printf '%8s  %-9s %9s %5s %8s\n' actions phase 'VmRSS KiB' fds threads
xdotool type x
xdotool key Tab Tab Tab  # to VERIFICA
sample 0 start
for ((i = 1; i <= n; ++i)); do
    xdotool key Return
    until box_shown; do sleep 0.005; done
    xdotool key Return
    while box_shown; do sleep 0.005; done
    if ((i % 500 == 0)); then
        sample "$i" warnings
        [ "$i" -eq 500 ] && rss_500=$(status VmRSS)
    fi
done
rss_warnings=$(status VmRSS)

# 3, 4, 5 into the entries, back to VERIFICA, then Enter in batches.
xdotool key shift+Tab shift+Tab shift+Tab ctrl+a
xdotool type 3; xdotool key Tab; xdotool type 4; xdotool key Tab; xdotool type 5; xdotool key Tab
for ((i = 500; i <= n; i += 500)); do
    mapfile -t returns < <(yes Return | head -n 500)
    xdotool key --delay 2 "${returns[@]}"
    sleep 0.5
    box_shown && { echo "a valid triple showed a warning" >&2; exit 1; }
    sample $((n + i)) valid
done

if [ -n "${rss_500:-}" ]; then
    echo "warnings 500 to $n: VmRSS $rss_500 -> $rss_warnings KiB" \
        "($(echo "scale=2; 100 * ($rss_warnings - $rss_500) / $rss_500" | bc) %)"
fi
