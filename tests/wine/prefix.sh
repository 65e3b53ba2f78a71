# The Wine prefix of a build tree, shared by every Windows test run in it.
# Sourced by run.sh and by the test stages; sets the environment and makes
# the prefix once (wineboot is slow), under a lock so that parallel test
# runs do not race to create it.

wine_environment() {
  local wine_dir
  wine_dir=$(realpath -m "$1")
  export WINEPREFIX="$wine_dir/prefix"
  export WINEDEBUG=-all
  export WINEARCH=win64
  # Wine's own 32-bit Windows DLLs (scripts/fetch-wine-i386), with which
  # 64-bit Wine runs 32-bit programs in WoW64 mode, nothing 32-bit installed.
  local i386_dlls
  i386_dlls=$(realpath -m "$(dirname "${BASH_SOURCE[0]}")/../../build/wine-i386/usr/lib/i386-linux-gnu/wine")
  if [ -d "$i386_dlls/i386-windows" ] && [[ ":${WINEDLLPATH:-}:" != *":$i386_dlls:"* ]]; then
    export WINEDLLPATH="$i386_dlls${WINEDLLPATH:+:$WINEDLLPATH}"
  fi
  # No Mono or Gecko installer dialogs.
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}mscoree,mshtml="
  # DirectSound finds one device, ALSA's null sink, on any machine.
  mkdir -p "$wine_dir"
  printf 'pcm.!default { type null }\n' >"$wine_dir/alsa-null.conf"
  export ALSA_CONFIG_PATH="/usr/share/alsa/alsa.conf:$wine_dir/alsa-null.conf"
}

wine_prefix_ready() {
  local wine_dir
  wine_dir=$(realpath -m "$1")
  wine_environment "$wine_dir"
  [ -f "$WINEPREFIX/.gauges-ready" ] && return 0
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.gauges-ready" ]; then
      rm -rf "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1
      # Windows can be created without a display.
      wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
      wineserver -w
      touch "$WINEPREFIX/.gauges-ready"
    fi
  ) 9>"$wine_dir/prefix.lock"
}

# Starts the prefix's server and its services for a run of many programs.
# Started here, with their output going nowhere, the services do not hold
# the output of the first test program open after it ends (ctest would wait
# for them).
wine_start() {
  local wine_dir=$1
  wine_prefix_ready "$wine_dir"
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Ends every Wine process of the prefix.
wine_stop() {
  local wine_dir
  wine_dir=$(realpath -m "$1")
  WINEPREFIX="$wine_dir/prefix" wineserver -k 2>/dev/null || true
}
