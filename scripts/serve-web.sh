#!/usr/bin/env bash
# Installs what building the web edition needs (Emscripten, Node, Python's fontTools), builds it,
# and serves its site on this machine:
#   bash scripts/serve-web.sh [PORT]     (8000 unless given; http://localhost:PORT/)
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8000}

scripts/install-deps.sh serve
cmake --preset web >/dev/null
cmake --build --preset web --target web_site >/dev/null
echo "The web edition is at http://localhost:$port/ (Ctrl+C stops the server)"
exec /usr/bin/python3 -m http.server --bind 127.0.0.1 --directory build/web/site "$port"
