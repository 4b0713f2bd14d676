#!/bin/bash
# The layers of the sources: each folder of src/gui and src/core may include
# only the folders listed after it, so an include never runs back up. A new
# folder must be given its place here.
set -euo pipefail
cd "$(dirname "$0")/.."

gui=(app main recovery shell spell preview info tags find editor i18n ui pictures)
core=(app shell recovery settings spell preview convert tags document ui find info editor i18n text util)

faults=0
check() {
  local root=$1
  shift
  local order=("$@")
  local -A place=()
  local i
  for i in "${!order[@]}"; do place[${order[$i]}]=$i; done
  local dir folder file used
  for dir in src/"$root"/*/; do
    folder=$(basename "$dir")
    if [ -z "${place[$folder]+set}" ]; then
      echo "src/$root/$folder: a folder with no place in tools/check-layers.sh" >&2
      faults=$((faults + 1))
      continue
    fi
    while IFS=: read -r file used; do
      used=${used#*\"$root/}
      used=${used%%/*}
      [ "$used" = "$folder" ] && continue
      if [ -z "${place[$used]+set}" ] || [ "${place[$used]}" -le "${place[$folder]}" ]; then
        echo "$file: $root/$folder includes $root/$used, which is not below it" >&2
        faults=$((faults + 1))
      fi
    done < <(grep -rHo "^#include \"$root/[^/\"]*/" "$dir" --include='*.h' --include='*.cpp' || true)
  done
}

check gui "${gui[@]}"
check core "${core[@]}"
[ "$faults" -eq 0 ] || exit 1
echo "Layers: no include runs back up in src/gui or src/core"
