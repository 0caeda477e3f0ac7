#!/usr/bin/env bash
# Builds the web page and serves it on 127.0.0.1 (installing what is missing first), printing the
# address; Ctrl+C stops it. Usage: scripts/serve-web.sh [PORT]   (default: a free port)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target site
port=${1:-$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')}
echo "Terne pitagoriche: http://127.0.0.1:$port/"
exec /usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
