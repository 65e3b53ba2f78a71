# The gallery: a PNG of every gauge, with realistic values, into
# dist/previews/, drawn by the native gauge bench with the native modules.
source "$(dirname "$0")/../lib.sh"
set -euo pipefail
native="$root/build/native"
gallery="$root/tools/bench/gallery"
out="$root/dist/previews"

# Modules whose folder has not landed are left out, and said so.
declare -A module_dir=([tarnwick]=readouts [halbrook]=radio [belvane]=altalert [coristal]=throttle)
targets=(gaugebench)
for m in tarnwick halbrook belvane coristal; do
  if [ -f "$root/${module_dir[$m]}/CMakeLists.txt" ]; then targets+=("$m"); else echo "previews: no ${module_dir[$m]}/ yet, $m left out"; fi
done
configure "$native"
cmake --build "$native" -j "$jobs" --target "${targets[@]}"
mkdir -p "$out"

bench="$native/tools/bench/gaugebench"
has() { [[ " ${targets[*]} " == *" $1 "* ]]; }
# preview NAME MODULE GAUGE [render options...]
preview() {
  local name=$1 module=$2 gauge=$3
  shift 3
  "$bench" render "$native/modules/$module.so" "$gauge" --scale 2 -o "$out/$name.png" "$@"
}

if has tarnwick; then
  preview NAV1_Radial tarnwick NAV1_Radial --set 0x2D=274
  preview NAV2_Radial tarnwick NAV2_Radial --set 0x36=92
  preview ADF_Radial tarnwick ADF_Radial --set 0x16=135
  preview HeadingBug tarnwick HeadingBug --set 0x6B=270
  preview Altitiude tarnwick Altitiude --set 0x4A=12500
  preview VSpeed tarnwick VSpeed --set 0x41=1950.72 --set 0x14F=0    # 1500 ft/min climbing
  preview AirSpeed tarnwick AirSpeed --set 0x3D=250
  preview Heading tarnwick Heading --set 0x54=273
  preview GPSGroundSpeed tarnwick GPSGroundSpeed --set 0x340=128.6  # 250 knots
  preview Clock tarnwick Clock --set 3=14 --set 4=35 --set 5=20
  preview ZuluClock tarnwick ZuluClock --set 6=19 --set 7=35 --set 5=20
  preview KollsmanHG tarnwick KollsmanHG --set 0x4C=29.92 --set 0x4B=1013.2 --set 0x14F=0
  preview Compass tarnwick Compass --set 0x53=271
  preview RadioAltimeter tarnwick RadioAltimeter --set 0x49=450 --set 2=25600 --set 0x14F=0  # 450 m over 100 m ground
fi
if has halbrook; then
  preview halbrook halbrook halbrook --script "$gallery/halbrook.bench"
  preview halbrook_selected halbrook halbrook --script "$gallery/halbrook.bench" --select 6
fi
if has belvane; then
  preview belvane_shown belvane belvane --set 0x4A=9450 --set 0x6D=10000   # 550 ft below the selected altitude
  preview belvane_hidden belvane belvane --set 0x4A=10000 --set 0x6D=10000
fi
if has coristal; then
  preview coristal coristal coristal --set 0x80=12000 --set 0xA3=12400 --set 0xC6=11600 --set 0xE9=12200
fi
echo "previews: $(ls "$out" | wc -l) pictures in $out"
