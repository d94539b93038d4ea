#!/bin/bash
# Includes run one way. The core's folders may include only folders before
# them in this order and nothing outside the core; the windows beside the
# trainer see it only through src/ui, and src/ui knows no window.
set -u
src=${1:?usage: include_layers.sh SRC_FOLDER}
core_order=(system text store wheel intake scan laws print trainer batch strategy)
side_windows=(stats auswertung uebung strategie)
faults=0

fault() {
    echo "$1 includes $2" >&2
    faults=$((faults + 1))
}

includes() { # file -> the quoted include paths it names
    sed -n 's/^#include "\([^"]*\)".*/\1/p' "$1"
}

for ((i = 0; i < ${#core_order[@]}; i++)); do
    room=${core_order[i]}
    allowed=" ${core_order[*]:0:i+1} "
    for file in "$src"/core/"$room"/*; do
        for path in $(includes "$file"); do
            target=${path#core/}
            [[ $path == core/* && $allowed == *" ${target%%/*} "* ]] ||
                fault "$file" "$path"
        done
    done
done

for window in "${side_windows[@]}" ui; do
    forbidden=(app run figure import output "${side_windows[@]}")
    for file in "$src/$window"/*; do
        for path in $(includes "$file"); do
            folder=${path%%/*}
            [[ $folder == "$window" ]] && continue
            [[ " ${forbidden[*]} " == *" $folder "* ]] && fault "$file" "$path"
        done
    done
done

exit $((faults > 0))
