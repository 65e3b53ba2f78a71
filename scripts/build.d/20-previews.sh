# The gallery: a PNG of every gauge, with realistic values, into
# dist/previews/, drawn by the native gauge bench with the native modules
# (the pictures and their values: tools/bench/gallery/previews.txt).
source "$(dirname "$0")/../lib.sh"
set -euo pipefail
native="$root/build/native"
out="$root/dist/previews"

# Modules whose folder has not landed are left out, and said so.
declare -A module_dir=([tarnwick]=readouts [halbrook]=radio [belvane]=altalert [coristal]=throttle)
targets=(gaugebench)
for m in tarnwick halbrook belvane coristal; do
  if [ -f "$root/${module_dir[$m]}/CMakeLists.txt" ]; then targets+=("$m"); else echo "previews: no ${module_dir[$m]}/ yet, $m left out"; fi
done
configure "$native"
cmake --build "$native" -j "$jobs" --target "${targets[@]}"
render_gallery "$out" "$native/modules" .so "${targets[@]:1}" -- "$native/tools/bench/gaugebench"
echo "previews: $(ls "$out" | wc -l) pictures in $out"
