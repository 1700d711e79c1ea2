#!/usr/bin/env bash
# Installs what is missing, builds a Release and starts the program on the
# long sample stock quote file (any arguments replace the sample).
# Unless something already listens on the quote service's address (the
# settings' quoteServiceUrl, http://127.0.0.1:8080 by default), a quote server
# serving the shipped symbols of data/quote_service runs there in the
# background until the program exits, so that every command can be tried.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF -DVELMORA_BENCH=OFF
cmake --build build/release --target velmora quote_server
args=("$@")
((${#args[@]})) || args=(data/samples/NRDQ.zrq)

# The service's address as the program reads it: the settings file's value
# (QSettings writes it as "...\init\quoteServiceUrl=..."), else the default.
settings="${XDG_CONFIG_HOME:-$HOME/.config}/Velmora/Velmora.ini"
url=""
if [[ -r "$settings" ]]; then
  url=$(sed -n 's/^\(.*\\\)\{0,1\}quoteServiceUrl=//p' "$settings" | tail -n 1 | tr -d '"\r' |
        sed 's/^[[:space:]]*//; s/[[:space:]]*$//')
fi
url=${url:-http://127.0.0.1:8080}

listening() { (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null; }

server_pid=""
stop_server() { [[ -z "$server_pid" ]] || kill "$server_pid" 2>/dev/null || true; }
trap stop_server EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [[ "$url" =~ ^http://(127\.0\.0\.1|localhost)(:([0-9]+))?(/.*)?$ ]]; then
  port=${BASH_REMATCH[3]:-80}
  if listening "$port"; then
    echo "Something already listens on 127.0.0.1:$port: using it as the quote service."
  else
    build/release/quote_server --dir data/quote_service --port "$port" &
    server_pid=$!
    # Wait (5 s at most) until it listens, or has given up.
    for _ in $(seq 50); do
      if listening "$port" || ! kill -0 "$server_pid" 2>/dev/null; then break; fi
      sleep 0.1
    done
    listening "$port" || echo "The quote server did not start on 127.0.0.1:$port; downloads will fail." >&2
  fi
else
  echo "The quote service is $url (quoteServiceUrl in $settings): no local quote server started."
fi

status=0
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display found: starting the program under a virtual X server (xvfb-run)."
  xvfb-run -a build/release/velmora "${args[@]}" || status=$?
else
  build/release/velmora "${args[@]}" || status=$?
fi
exit "$status"
