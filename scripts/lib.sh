# Shared by scripts/build and scripts/test: where things are and how to
# configure a build tree.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
jobs=$(nproc 2>/dev/null || echo 2)

# configure <build dir> [cmake args...]: configure once, reuse afterwards.
configure() {
  local dir=$1
  shift
  cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
}

stage() { printf '\n==> %s\n' "$*"; }
