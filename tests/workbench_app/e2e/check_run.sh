#!/usr/bin/env bash
# Runs the workbench on a script under Wine and checks what it left behind:
# the scene dump against the expected one and, in the screenshot, the
# panel and the axis guide's three colours.
#   check_run.sh WINE_RUNNER WORKBENCH_EXE SCRIPT EXPECTED_DUMP OUT_DIR BEFORE AFTER
#                [VALIDATE_MJS VALIDATOR_PREFIX]
# With the last two, every .gltf and .glb the session saved is checked by the
# Khronos glTF validator.
# Texts the session wrote, as NAME.txt, are compared with SCRIPT.NAME.expected
# beside the script, where there is one.
# EXPECTED_DUMP "-" leaves the dump unchecked.
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
# WORKBENCH_OPTIONS go before the script, e.g. --japanese.
# shellcheck disable=SC2086
"$runner" "$exe" ${WORKBENCH_OPTIONS:-} --script "$script" --out "$out"
[[ $expected == - ]] || diff -u "$expected" "$out/dump.txt"
for wanted in "${script%.script}".*.expected; do
  name=${wanted%.expected}
  diff -u "$wanted" "$out/${name##*.}.txt"
done

if [[ $after != - ]]; then
  # Pixels of a colour in a screenshot.
  count() {
    local png=$out/$1.png
    [[ -s $png ]] || { echo "no screenshot $png" >&2; exit 1; }
    convert-im6.q16 "$png" -format %c histogram:info:- |
      { grep -i "$2" || true; } | awk '{sum += $1} END {print sum + 0}'
  }
  png=$out/$after.png
  for colour in "#FF0000" "#00FF00" "#0000FF"; do
    pixels=$(count "$after" "$colour")
    if ((pixels < 20)); then
      echo "the guide's colour $colour is missing from $png ($pixels pixels)" >&2
      exit 1
    fi
  done
  # The guide at the joint: its colours near the selected joint's place.
  layout=$out/$after.layout
  read -r _ joint x y < <(grep '^joint ' "$layout") ||
    { echo "no selected joint in $layout" >&2; exit 1; }
  near=$out/near-joint.png
  convert-im6.q16 "$png" -crop 61x61+$((x - 30))+$((y - 30)) +repage "$near"
  for colour in "#FF0000" "#00FF00" "#0000FF"; do
    histogram=$(convert-im6.q16 "$near" -format %c histogram:info:-)
    if ! grep -qi "$colour" <<<"$histogram"; then
      echo "the guide's colour $colour is not drawn at $joint ($x, $y) in $png" >&2
      exit 1
    fi
  done
  # Each slider's thumb where the number in its box says: on the channel's
  # middle row the thumb's outline is the only thing that differs from the
  # channel, whose own ends are left out.
  while read -r _ id row left right minimum maximum value width; do
    thumb=$(convert-im6.q16 "$png" -crop $((right - left - 2))x1+$((left + 1))+$row txt:- |
      awk 'NR > 1 {colour[NR] = $3; count[$3]++; x[NR] = $1 + 0}
           END {for (c in count) if (count[c] > most) {most = count[c]; ground = c}
                for (i in colour) if (colour[i] != ground) {sum += x[i]; n++}
                if (n) printf "%.1f", sum / n}')
    if [[ -z $thumb ]]; then
      echo "slider $id: no thumb on its channel in $png" >&2
      exit 1
    fi
    # The thumb's centre travels the channel less half a thumb at each end.
    if ! awk -v t="$thumb" -v l="$left" -v r="$right" -v lo="$minimum" -v hi="$maximum" \
        -v v="$value" -v w="$width" 'BEGIN {
          if (v < lo) v = lo; if (v > hi) v = hi
          seen = (t + 1 - w / 2) / (r - l - w); want = (v - lo) / (hi - lo)
          exit (seen - want > 0.04 || want - seen > 0.04)}'; then
      echo "slider $id: its thumb is at $thumb of $left..$right, not where $value says" >&2
      exit 1
    fi
  done < <(grep '^slider ' "$layout")
  # The panel: its dialog face covers a good part of the dark viewport.
  face=$(($(count "$after" "#F5F5F5") - $(count "$before" "#F5F5F5")))
  if ((face < 30000)); then
    echo "no panel in $png (only $face more pixels of dialog face)" >&2
    exit 1
  fi
fi

# Every text on the screen at each screenshot: drawn with a glyph for each
# character, and a label's text not cut off by its control.
for layout in "$out"/*.layout; do
  awk -v file="$layout" '$1 == "text" {
      face = $6; for (i = 7; i <= NF; i++) face = face " " $i
      if ($3 > 0) { printf "%s: %s lacks %d glyph(s) in %s\n", file, $2, $3, face; bad = 1 }
      if ($5 >= 0 && $4 > $5) {
        printf "%s: %s is cut off (%d of %d pixels)\n", file, $2, $4, $5; bad = 1 }
    } END { exit bad }' "$layout" >&2
done
# A session in a Japanese locale runs with code page 932, as Japanese Windows.
if [[ ${LANG:-} == ja_JP* ]]; then
  for layout in "$out"/*.layout; do
    grep -qx 'codepage 932' "$layout" ||
      { echo "$layout: not code page 932 under $LANG" >&2; exit 1; }
  done
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
