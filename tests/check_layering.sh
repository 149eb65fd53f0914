#!/usr/bin/env bash
# Fails when a source file includes a header of a layer above its own, when a
# layer that must stay free of Qt includes a Qt header, or when the windows or
# the page reach a command of plot or io past the window model in app: of
# those layers they may name only the headers of plain data.
#   core <- plot, io <- app <- ui, cli, web
# Usage: check_layering.sh PROJECT_ROOT
set -uo pipefail
root="${1:?usage: check_layering.sh PROJECT_ROOT}"
cd "$root" || exit 2

# layer folder | the layers its includes may name | whether Qt is allowed
rules=(
    "src/core|core|no"
    "src/plot|core plot|no"
    "src/io|core io|no"
    "src/app|core plot io app|no"
    "src/ui|core plot io app ui|yes"
    "src/cli|core plot io app cli|no"
    "web|core plot io app web|no"
)

# What src/ui and web may include of plot and io: values, pictures and where
# the settings live, not the drawing, the files or the settings themselves.
faces_may_name=" plot/color.h plot/picture.h plot/plot_state.h plot/raster_surface.h"
faces_may_name+=" io/file_content.h io/settings_location.h io/state_location.h "

# The first folder of a header of ours, however it is included.
layers="core|plot|io|app|ui|cli|web"

failures=0
for rule in "${rules[@]}"; do
    IFS='|' read -r folder allowed qt <<<"$rule"
    while IFS= read -r file; do
        while IFS= read -r line; do
            # "header" or <layer/header>: the second is ours all the same,
            # found on the include path the layers share.
            [[ $line =~ include[[:space:]]*[\"\<]([^\"\>]*) ]]
            header="${BASH_REMATCH[1]}"
            if [[ "$header" != */* ]]; then
                # A header of the file's own folder.
                [ -e "$(dirname "$file")/$header" ] && continue
                echo "$file: \"$header\" is not in its own folder"
                failures=$((failures + 1))
                continue
            fi
            layer="${header%%/*}"
            if [[ " $allowed " != *" $layer "* ]]; then
                echo "$file: includes \"$header\" from the layer $layer above it"
                failures=$((failures + 1))
            elif [[ $folder == src/ui || $folder == web ]] && [[ $layer == plot || $layer == io ]] &&
                [[ $faces_may_name != *" $header "* ]]; then
                echo "$file: includes \"$header\", a command of $layer that the window model runs"
                failures=$((failures + 1))
            fi
        done < <(grep -E "^[[:space:]]*#[[:space:]]*include[[:space:]]*(\"|<($layers)/)" "$file")
        if [ "$qt" = no ] && grep -qE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
            echo "$file: includes Qt, which its layer must not"
            failures=$((failures + 1))
        fi
    done < <(find "$folder" -name '*.h' -o -name '*.cpp' -o -name '*.inc')
done

if ((failures > 0)); then
    echo "$failures include(s) break the layering"
    exit 1
fi
echo "layering holds"
