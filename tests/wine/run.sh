#!/usr/bin/env bash
# run.sh <wine dir> <program.exe> [args...]: runs a Windows program under
# 64-bit Wine in the prefix <wine dir>/prefix, made on first use and reused.
# The prefix has no display driver (windows are still created) and its
# sound goes to ALSA's null device unless the caller turned audio off.
set -euo pipefail
wine_dir=$1
shift
here=$(cd "$(dirname "$0")" && pwd)
source "$here/prefix.sh"
wine_prefix_ready "$wine_dir"
exec wine "$@"
