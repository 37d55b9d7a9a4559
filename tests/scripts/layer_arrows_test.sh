#!/usr/bin/env bash
# Layers include only what their arrows allow: tools -> host, render; host -> platform;
# render -> platform; src -> platform/sdk; platform -> none. First, a probe unit of each layer,
# preprocessed with that layer's own flags, cannot find a header of a layer it may not include
# and can find one of its own. Then every quoted include in the layers is resolved as the
# compiler would and checked against the arrows, naming each one that points the wrong way.
# Usage: layer_arrows_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir="$1"
commands="$2/compile_commands.json"
[ -f "$commands" ] || { echo "no $commands: configure with CMAKE_EXPORT_COMPILE_COMMANDS"; exit 1; }
failed=0

# LAYER: the path prefixes it may include.
declare -A allowed=(
  [platform]="platform/"
  [src]="src/ platform/sdk/"
  [host]="host/ platform/"
  [render]="render/ platform/"
  [tools]="tools/ host/ render/ platform/"
)
# LAYER: a header of it, which a probe includes.
declare -A samples=(
  [platform]=uikit/view.h [src]=bridge/send.h [host]=host/lock_screen.h [render]=render/renderer.h
  [tools]=tools/lvsim/core/exit_codes.h
)
layers=(platform src host render tools)
roots=("" platform/ platform/sdk/ src/)

# Sets `target` to the file (relative to the source root) that `#include "spelled"` in
# `from` finds, or to nothing.
resolve() {
  local from="$1" spelled="$2" candidate
  target=
  for candidate in "${from%/*}/$spelled" "${roots[@]/%/$spelled}"; do
    [ -f "$source_dir/$candidate" ] || continue
    [[ "$candidate" == *..* || "$candidate" == ./* ]] && candidate=$(realpath -m --relative-to="$source_dir" "$source_dir/$candidate")
    target="$candidate"
    return
  done
}

may_include() {
  local prefix
  for prefix in ${allowed[$1]}; do
    [[ "$2" == "$prefix"* ]] && return 0
  done
  return 1
}

# A probe unit including `header`, preprocessed as the first unit of `layer` is compiled:
# whether its includes are found is all it shows.
compile_probe() {
  local layer="$1" header="$2" directory command
  { read -r directory; read -r command; } < <(jq -r --arg out " -o $layer/" \
      '[.[] | select(.command | contains($out))][0] | .directory, .command' "$commands")
  [ "$command" != null ] || { echo "no unit of $layer in $commands"; return 2; }
  eval "set -- $command"
  local args=()
  while [ $# -gt 0 ]; do
    case "$1" in
      -o|-c) shift 2 ;;
      *) args+=("$1"); shift ;;
    esac
  done
  echo "#include \"$header\"" > "$scratch/probe.cpp"
  (cd "$directory" && "${args[@]}" -E -o /dev/null "$scratch/probe.cpp")
}

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for layer in "${layers[@]}"; do
  own=${samples[$layer]}
  if ! compile_probe "$layer" "$own" 2> "$scratch/errors"; then
    echo "$layer: a unit of $layer cannot include its own $own:"; head -5 "$scratch/errors"; failed=1
    continue
  fi
  for other in "${layers[@]}"; do
    header=${samples[$other]}
    resolve "$layer/probe.cpp" "$header"
    [ -n "$target" ] || { echo "$layer: the probe's $header is in no layer"; failed=1; continue; }
    may_include "$layer" "$target" && continue
    if compile_probe "$layer" "$header" 2> "$scratch/errors"; then
      echo "$layer/probe.cpp -> $target: compiles, though $layer may not include $other"; failed=1
    elif ! grep -qiE "no such file|file not found" "$scratch/errors"; then
      echo "$layer: the probe of $header failed otherwise than not finding it:"; head -5 "$scratch/errors"; failed=1
    fi
  done
done

cd "$source_dir"
while IFS=: read -r file spelled; do
  layer=${file%%/*}
  resolve "$file" "$spelled"
  [ -n "$target" ] || continue
  may_include "$layer" "$target" && continue
  echo "$file -> $target: $layer may not include ${target%%/*}"
  failed=1
done < <(grep -rEo --include='*.h' --include='*.cpp' --include='*.c' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+"' \
           platform src host render tools | sed -E 's/:[^"]*"([^"]+)"$/:\1/')
[ "$failed" -eq 0 ] && echo "every include points along the layers' arrows"
exit "$failed"
