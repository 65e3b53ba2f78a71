#!/usr/bin/env bash
# serve_http.sh PANEL.CFG GAUGES_DIR SCRATCH_DIR COMMAND...: starts
# `COMMAND serve PANEL.CFG` on a free loopback port and asks it over real
# HTTP with curl: the page, a window picture, a click on the FMC button,
# and bad requests of every kind (unknown window, point outside, bad
# variable, path traversal, oversized header and body, garbage), each a
# 4xx with one line, the server still answering afterwards. COMMAND is the
# bench, or Wine and the Windows bench.
set -euo pipefail
panel=$1 gauges=$2 scratch=$3
shift 3
rm -rf "$scratch" && mkdir -p "$scratch"

"$@" serve "$panel" --gauges "$gauges" >"$scratch/out" 2>"$scratch/err" &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true' EXIT

port=
for _ in $(seq 1 600); do
  port=$(sed -n 's|^gaugebench: serving .* on http://127\.0\.0\.1:\([0-9]*\)/.*|\1|p' "$scratch/out")
  [ -n "$port" ] && break
  kill -0 "$server" 2>/dev/null || { echo "serve ended before listening:"; cat "$scratch/err"; exit 1; }
  sleep 0.1
done
[ -n "$port" ] || { echo "serve printed no port in 60 s"; exit 1; }
url="http://127.0.0.1:$port"
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# check NAME STATUS BODY-SUBSTRING CURL-ARGS...
check() {
  local name=$1 want=$2 text=$3
  shift 3
  local got
  got=$(curl -s --max-time 20 -o "$scratch/body" -w '%{http_code}' "$@") || true
  if [ "$got" != "$want" ]; then fail "$name: status $got, expected $want ($(head -c 200 "$scratch/body"))"; return; fi
  grep -qF -- "$text" "$scratch/body" || fail "$name: body lacks \"$text\": $(head -c 200 "$scratch/body")"
  if [ "${want:0:1}" = 4 ] && [ "$(wc -l <"$scratch/body")" != 1 ]; then fail "$name: reason is not one line"; fi
  return 0
}

check "the page" 200 '<script src="/app.js"></script>' "$url/"
check "the script" 200 "async function poll" "$url/app.js"
curl -s --max-time 20 -o "$scratch/w0.png" -D "$scratch/w0.head" "$url/api/window/0.png"
grep -qi '^content-type: image/png' "$scratch/w0.head" || fail "window picture: not image/png"
[ "$(head -c 4 "$scratch/w0.png" | od -An -tx1 | tr -d ' ')" = 89504e47 ] || fail "window picture: not a PNG"
check "unknown window" 400 'no window "7"' "$url/api/window/7.png"
check "point outside" 400 'point (5000, 5) is outside Window00' "$url/api/point?window=0&x=5000&y=5"
check "malformed variable" 400 'bad value "12,5"' -X POST "$url/api/set?var=altitude&value=12,5"
check "unknown variable" 400 'unknown variable' -X POST "$url/api/set?var=nothing&value=1"
check "path traversal" 404 'no page /../../etc/passwd' --path-as-is "$url/../../etc/passwd"
check "encoded traversal" 404 'no page /../' "$url/%2e%2e/%2e%2e/etc/passwd"
check "the panel file" 404 'no page /panel.cfg' "$url/panel.cfg"
check "header too large" 400 'bad request: header over 8192 bytes' -H "X-Big: $(head -c 9000 /dev/zero | tr '\0' a)" "$url/"
head -c 70000 /dev/zero | tr '\0' a >"$scratch/big"
check "body too large" 400 'bad request: body over 65536 bytes' -X POST --data-binary "@$scratch/big" "$url/api/set"

# Garbage instead of HTTP: a 400, and the connection closed.
exec 3<>"/dev/tcp/127.0.0.1/$port"
printf 'NOT HTTP AT ALL\r\n\r\n' >&3
timeout 20 cat <&3 >"$scratch/garbage" || true
exec 3<&-
grep -q '^HTTP/1.1 400' "$scratch/garbage" || fail "garbage: no 400 ($(head -c 100 "$scratch/garbage"))"

# The FMC button (the radio stack at (10, 100), its button at (196, 125)
# of the gauge) opens window 110.
check "FMC down" 200 '"taken":true' -X POST "$url/api/mouse?window=0&x=210&y=230&action=down"
check "FMC up" 200 '"taken":true' -X POST "$url/api/mouse?window=0&x=210&y=230&action=up"
check "window 110 open" 200 '"Window01":true' "$url/api/state"
check "the toggle logged" 200 'window:110 Window01 (ident 110) opened' "$url/api/state?since=0"

kill -0 "$server" 2>/dev/null || fail "the server died"
# Stopped, the native server ends cleanly (under Wine the signal ends the
# Windows process from outside).
if [ "$(basename "$1")" = gaugebench ]; then
  kill -TERM "$server"
  status=0
  wait "$server" || status=$?
  [ "$status" -eq 0 ] || fail "the server ended with status $status when stopped"
  grep -q '^gaugebench: stopped after [0-9]* frames' "$scratch/out" || fail "the server did not say it stopped"
fi
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed; the server said:"
  cat "$scratch/out" "$scratch/err"
  exit 1
fi
echo "serve_http: every check passed on port $port"
