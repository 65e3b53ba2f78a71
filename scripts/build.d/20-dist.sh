# What goes with the shipping modules: the sample panel configuration, the
# install text, and one zip of everything in dist/.
source "$(dirname "$0")/../lib.sh"
set -euo pipefail
here="$root/scripts/build.d/dist"
dist="$root/dist"

# Every module the sample panel places must have been built.
mapfile -t modules < <(sed -n 's/^gauge[0-9]*=\([A-Za-z0-9_]*\)!.*/\1/p' "$here/panel.cfg" | sort -u)
for m in "${modules[@]}"; do
  if [ ! -f "$dist/$m.gau" ]; then
    echo "dist: $m.gau was not built, but panel.cfg places its gauges" >&2
    exit 1
  fi
done

cp "$here/panel.cfg" "$here/INSTALL.txt" "$dist/"
version=$(sed -n 's/^project(gauges VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
zip_name="gauges-$version.zip"
files=()
for m in "${modules[@]}"; do files+=("$m.gau"); done
files+=(panel.cfg INSTALL.txt)
# Written aside and moved into place, so that a failed run leaves no half zip.
rm -f "$dist/$zip_name.partial"
(cd "$dist" && zip -q -X "$zip_name.partial" "${files[@]}")
mv "$dist/$zip_name.partial" "$dist/$zip_name"
echo "dist: ${files[*]} -> $zip_name"
