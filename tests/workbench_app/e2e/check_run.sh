#!/usr/bin/env bash
# Runs the workbench on a script under Wine and checks what it left behind:
# the scene dump against the expected one and, in the screenshot, the
# panel and the axis guide's three colours.
#   check_run.sh WINE_RUNNER WORKBENCH_EXE SCRIPT EXPECTED_DUMP OUT_DIR BEFORE AFTER
#                [VALIDATE_MJS VALIDATOR_PREFIX]
# With the last two, every .gltf and .glb the session saved is checked by the
# Khronos glTF validator.
# BEFORE and AFTER name the screenshots taken before the panel opened and
# with the panel over the posed joint; "-" for both skips those checks.
set -euo pipefail
runner=$1 exe=$2 script=$3 expected=$4 out=$5 before=$6 after=$7
validate=${8:-} validator=${9:-}
rm -rf "$out"
mkdir -p "$out"
# Files the script opens lie beside it.
shopt -s nullglob
for file in "$(dirname "$script")"/*.gltf "$(dirname "$script")"/*.glb; do cp "$file" "$out"/; done
"$runner" "$exe" --script "$script" --out "$out"
diff -u "$expected" "$out/dump.txt"

if [[ $after != - ]]; then
  # Pixels of a colour in a screenshot.
  count() {
    local png=$out/$1.png
    [[ -s $png ]] || { echo "no screenshot $png" >&2; exit 1; }
    convert-im6.q16 "$png" -format %c histogram:info:- |
      grep -i "$2" | awk '{sum += $1} END {print sum + 0}'
  }
  png=$out/$after.png
  for colour in "#FF0000" "#00FF00" "#0000FF"; do
    pixels=$(count "$after" "$colour")
    if ((pixels < 20)); then
      echo "the guide's colour $colour is missing from $png ($pixels pixels)" >&2
      exit 1
    fi
  done
  # The panel: its dialog face covers a good part of the dark viewport.
  face=$(($(count "$after" "#F5F5F5") - $(count "$before" "#F5F5F5")))
  if ((face < 30000)); then
    echo "no panel in $png (only $face more pixels of dialog face)" >&2
    exit 1
  fi
fi

if [[ -n $validate ]]; then
  saved=()
  for file in "$out"/*.gltf "$out"/*.glb; do
    [[ -e $(dirname "$script")/$(basename "$file") ]] || saved+=("$file")
  done
  ((${#saved[@]} > 0)) || { echo "the session saved no glTF file" >&2; exit 1; }
  node "$validate" "$validator" "${saved[@]}"
fi
echo "dump, screenshot and saved files as expected"
