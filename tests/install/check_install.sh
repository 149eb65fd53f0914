#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks that every file a
# desktop or a package expects is there, that the desktop entry, the
# AppStream metainfo and the manual pages pass their validators, that the
# entry claims no file type (for the desktop's defaults or for mailcap), that
# the print module is where the program looks for it, and that the installed
# programs carry no build paths:
#   check_install.sh BUILD_DIR
set -uo pipefail
build="${1:?usage: check_install.sh BUILD_DIR}"
id=org.parabel.Parabel

missing_tools=()
for tool in desktop-file-validate update-desktop-database update-mime appstreamcli man gzip \
    readelf od; do
    command -v "$tool" >/dev/null || missing_tools+=("$tool")
done
if ((${#missing_tools[@]} > 0)); then
    echo "missing ${missing_tools[*]}: run scripts/setup" >&2
    exit 1
fi

prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log" >&2
    rm -f "$prefix.log"
    echo "FAIL: cmake --install $build" >&2
    exit 1
fi
rm -f "$prefix.log"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Width and height of a PNG from its IHDR chunk (bytes 16 to 23, big-endian).
png_size() {
    local -a b
    read -ra b < <(od -An -tu1 -N24 -w24 "$1")
    if ((${#b[@]} < 24)) || [ "${b[1]} ${b[2]} ${b[3]}" != "80 78 71" ]; then
        echo "not-a-png"
        return
    fi
    echo "$(((b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19]))x$(((b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23]))"
}

for program in parabel parabel-cli; do
    file="$prefix/bin/$program"
    [ -x "$file" ] || { fail "bin/$program is missing or not executable"; continue; }
    if readelf -d "$file" | grep -qE 'RPATH|RUNPATH'; then
        fail "bin/$program keeps a library search path: $(readelf -d "$file" | grep -E 'RPATH|RUNPATH')"
    fi
done

# The print preview's module, which the program loads on its first print: in
# the library folder, with Qt's print support, which the program itself does
# not load at start-up.
modules=("$prefix"/lib*/parabel/parabel-print.so "$prefix"/lib/*/parabel/parabel-print.so)
module=""
for candidate in "${modules[@]}"; do
    [ -f "$candidate" ] && module="$candidate"
done
if [ -z "$module" ]; then
    fail "the print module parabel-print.so is not installed in the library folder"
else
    readelf -d "$module" | grep -q 'NEEDED.*libQt6PrintSupport' ||
        fail "${module#"$prefix"/} does not use Qt's print support"
    readelf -d "$module" | grep -qE 'RPATH|RUNPATH' &&
        fail "${module#"$prefix"/} keeps a library search path"
fi
readelf -d "$prefix/bin/parabel" 2>/dev/null | grep -q 'NEEDED.*libQt6PrintSupport' &&
    fail "bin/parabel loads Qt's print support at start-up"

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
icons="$prefix/share/icons/hicolor"
for file in "$desktop" "$metainfo" "$icons/scalable/apps/$id.svg" \
    "$prefix/share/man/"{man1,ru/man1}/{parabel,parabel-cli}.1.gz \
    "$prefix/share/doc/parabel/"{README.md,CHANGELOG.md,copyright,changelog.gz} \
    "$prefix/share/bash-completion/completions/"{parabel,parabel-cli}; do
    [ -s "$file" ] || fail "${file#"$prefix"/} is missing or empty"
done
for size in 16 32 48 64 128 256; do
    file="$icons/${size}x${size}/apps/$id.png"
    if [ ! -f "$file" ]; then
        fail "${file#"$prefix"/} is missing"
    elif [ "$(png_size "$file")" != "${size}x${size}" ]; then
        fail "${file#"$prefix"/} is $(png_size "$file"), not ${size}x${size}"
    fi
done

if [ -f "$desktop" ]; then
    # Not even a hint: the validator prints nothing for a clean entry.
    report="$(desktop-file-validate "$desktop" 2>&1)"
    if (($? != 0)) || [ -n "$report" ]; then
        fail "desktop-file-validate: $report"
    fi
    # Keys the validator accepts missing but a menu needs: the categories the
    # program is listed under, its texts in both languages, the launch
    # feedback and the window class that ties the window to the entry.
    for line in 'Categories=Education;Math;' 'Terminal=false' 'StartupNotify=true' \
        'StartupWMClass=parabel' 'Name=' 'Name\[ru\]=' 'GenericName=' 'GenericName\[ru\]=' 'Comment=' \
        'Comment\[ru\]=' 'Keywords=' 'Keywords\[ru\]='; do
        grep -q "^$line" "$desktop" || fail "the desktop entry has no line ${line//\\/}"
    done
    # "Open with" still hands the program a file ...
    grep -q '^Exec=parabel %f$' "$desktop" ||
        fail "the entry does not pass a file: $(grep '^Exec=' "$desktop")"
    # ... but the entry claims no file type: no desktop makes Parabel the
    # default for one, and mailcap gets no line for it.
    grep -q '^MimeType=' "$desktop" && fail "the desktop entry claims $(grep '^MimeType=' "$desktop")"
    applications="$prefix/share/applications"
    update-desktop-database "$applications" 2>&1 || fail "update-desktop-database $applications"
    grep -q "$id" "$applications/mimeinfo.cache" 2>/dev/null &&
        fail "the desktop database lists the entry for: $(grep "$id" "$applications/mimeinfo.cache")"
    rm -f "$applications/mimeinfo.cache"
    # Debian's mailcap generator, reading the installed entries in place of
    # the system's, in a mount namespace of its own.
    mailcap_home="$prefix/mailcap-home"
    mkdir -p "$mailcap_home"
    namespace=(unshare --mount)
    (($(id -u) == 0)) || namespace=(unshare --map-root-user --mount)
    if "${namespace[@]}" true 2>/dev/null; then
        "${namespace[@]}" sh -c 'mount --bind "$1" /usr/share/applications &&
            HOME="$2" update-mime --local' sh "$applications" "$mailcap_home" ||
            fail "update-mime over $applications"
        grep -q parabel "$mailcap_home/.mailcap" 2>/dev/null &&
            fail "mailcap gets: $(grep parabel "$mailcap_home/.mailcap")"
    else
        echo "note: no mount namespace here: update-mime not run over the entry"
    fi
    rm -rf "$mailcap_home"
    # The entry starts an installed program and names an installed icon.
    exec_program="$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")"
    [ -x "$prefix/bin/$exec_program" ] || fail "Exec=$exec_program is not an installed program"
    icon="$(sed -n 's/^Icon=//p' "$desktop")"
    [ -f "$icons/scalable/apps/$icon.svg" ] || fail "Icon=$icon is not an installed icon"
fi
if [ -f "$metainfo" ]; then
    report="$(appstreamcli validate --no-net "$metainfo" 2>&1)"
    if (($? != 0)) || grep -qE '^[EWI]: ' <<<"$report"; then
        fail "appstreamcli validate: $report"
    fi
    # The metainfo's paragraphs, in both languages, tell of every command a user
    # would look for.
    for word in preview PDF history English печатается просмотр истори английски; do
        grep -q "$word" "$metainfo" || fail "the metainfo's description does not tell of: $word"
    done
    launchable="$(sed -n 's/.*<launchable type="desktop-id">\(.*\)<\/launchable>.*/\1/p' "$metainfo")"
    [ -f "$prefix/share/applications/$launchable" ] ||
        fail "the metainfo launches $launchable, which is not installed"
fi
# No text links to a site or mailbox that does not exist.
placeholders="$(grep -rlE 'example\.(org|com|net)' "$prefix/share" 2>/dev/null)"
[ -z "$placeholders" ] || fail "placeholder addresses in: ${placeholders//"$prefix"\//}"

for page in {man1,ru/man1}/{parabel,parabel-cli}; do
    file="$prefix/share/man/$page.1.gz"
    [ -f "$file" ] || continue
    warnings="$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -l "$file" 2>&1 >/dev/null)"
    [ -z "$warnings" ] || fail "man $page: $warnings"
    zgrep -q 'example\.\(org\|com\)' "$file" && fail "$page.1 names a placeholder address"
done
# man finds the Russian pages for a Russian reader.
for page in parabel parabel-cli; do
    found="$(MANPATH="$prefix/share/man" man -L ru -w "$page" 2>&1)"
    [ "$found" = "$prefix/share/man/ru/man1/$page.1.gz" ] || fail "man -L ru $page finds $found"
done

if ((failures > 0)); then
    echo "$failures installation check(s) failed" >&2
    exit 1
fi
echo "installation into a temporary prefix: every file present and valid"
