# The live panel page in a real browser: Debian's chromium driven by
# playwright-core (tests/browser/package.json, installed from its lock file
# into build/browser, never a browser download), against the native bench
# serving the sample panel. node's own test runner counts the results; the
# whole stage is bounded in time, and the tests stop the server and the
# browser they start. The screenshot for docs/bench.md lands in
# build/browser/panel.png.
source "$(dirname "$0")/../lib.sh"
set -euo pipefail

configure "$root/build/native"
cmake --build "$root/build/native" -j "$jobs" --target gaugebench tarnwick halbrook belvane coristal

dir="$root/build/browser"
mkdir -p "$dir"
if ! cmp -s "$root/tests/browser/package-lock.json" "$dir/package-lock.json" || [ ! -d "$dir/node_modules/playwright-core" ]; then
  cp "$root/tests/browser/package.json" "$root/tests/browser/package-lock.json" "$dir/"
  (cd "$dir" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --loglevel=error)
fi

cd "$root"
GAUGEBENCH="$root/build/native/tools/bench/gaugebench" \
GAUGE_MODULES="$root/build/native/modules" \
PANEL_CFG=scripts/build.d/dist/panel.cfg \
CHROMIUM=/usr/bin/chromium \
SCREENSHOT="$dir/panel.png" \
NODE_PATH="$dir/node_modules" \
PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 \
  timeout 600 node --test tests/browser/
