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

# render_gallery <out dir> <module dir> <module suffix> <modules...> -- <bench command...>:
# renders every picture of tools/bench/gallery/previews.txt whose module is
# among <modules> into <out dir>/<picture>.png, with the given bench (a
# program, or a program run through Wine) and the module files
# <module dir>/<module><suffix>.
render_gallery() {
  local out=$1 modules=$2 suffix=$3
  shift 3
  local wanted=()
  while [ "$1" != "--" ]; do wanted+=("$1"); shift; done
  shift
  local gallery="$root/tools/bench/gallery" name module gauge options
  mkdir -p "$out"
  while read -r name module gauge options; do
    [[ " ${wanted[*]} " == *" $module "* ]] || continue
    # shellcheck disable=SC2086 # the options are words
    "$@" render "$modules/$module$suffix" "$gauge" --scale 2 -o "$out/$name.png" ${options//\{gallery\}/$gallery} </dev/null
  done < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$gallery/previews.txt")
}
