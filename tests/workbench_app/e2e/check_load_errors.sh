#!/usr/bin/env bash
# The workbench refuses a plug-in it cannot host with a message naming what
# is wrong: a missing file, a file that is no module, a module without the
# exports.
#   check_load_errors.sh WINE_RUNNER WORKBENCH_EXE OUT_DIR
set -euo pipefail
runner=$1 exe=$2 out=$3
rm -rf "$out"
mkdir -p "$out"
echo "dump" >"$out/only.script"
echo "not a module" >"$out/text.dll"
# A real module of the system that has none of the seven exports.
system_dll=$(dirname "$(command -v wine)")/../lib/x86_64-linux-gnu/wine/x86_64-windows/version.dll
[[ -f $system_dll ]] || system_dll=$(find /usr/lib -path '*x86_64-windows/version.dll' | head -1)
cp "$system_dll" "$out/version.dll"

failures=0
expect() {
  local plugin=$1 message=$2 output status=0
  output=$("$runner" "$exe" --plugin "$plugin" --script "$out/only.script" --out "$out" 2>&1) ||
    status=$?
  if ((status == 0)) || [[ $output != *"$message"* ]]; then
    echo "--plugin $plugin: wanted a failure saying \"$message\", got status $status: $output" >&2
    failures=$((failures + 1))
  fi
}
expect "$out/nothere.dll" "does not exist"
expect "$out/text.dll" "is not a plug-in module"
expect "$out/version.dll" "lacks the export has_interface"
((failures == 0)) && echo "every plug-in that cannot be hosted is refused by name"
exit $((failures > 0))
