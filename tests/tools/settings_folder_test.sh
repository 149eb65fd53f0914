#!/usr/bin/env bash
# Where `parabel-cli settings` says Inf.ini lives, for copies of the real
# binary in a private folder and in the system's program folders, run by the
# caller and, when the caller is root, by an ordinary user (nobody).
# The system folders are covered by overlays in a private mount namespace,
# so the machine's own folders are never written.
# Usage: settings_folder_test.sh PATH-TO-PARABEL-CLI INSTALL-BINDIR
set -u
cli=$(realpath "$1")
bindir=$2
nobody=65534

# The outer run makes the scratch folder and runs the checks in a mount
# namespace of their own (as an ordinary user, inside a user namespace too).
if [[ -z ${SETTINGS_TEST_WORK:-} ]]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    chmod 755 "$work"
    caller_is_root=0
    (($(id -u) == 0)) && caller_is_root=1
    namespace=(unshare --mount --propagation private)
    ((caller_is_root)) || namespace=(unshare --map-root-user --mount --propagation private)
    if "${namespace[@]}" true 2>/dev/null; then
        SETTINGS_TEST_WORK=$work SETTINGS_TEST_ROOT=$caller_is_root SETTINGS_TEST_SYSTEM=1 \
            "${namespace[@]}" bash "$0" "$@"
    else
        echo "note: no private mount namespace here: the rows in system folders are skipped"
        SETTINGS_TEST_WORK=$work SETTINGS_TEST_ROOT=$caller_is_root SETTINGS_TEST_SYSTEM=0 \
            bash "$0" "$@"
    fi
    exit
fi

work=$SETTINGS_TEST_WORK
passed=0
failed=0
skipped=0

# Each system folder gets a writable overlay, as the folder itself is to root.
declare -A covered=()
if ((SETTINGS_TEST_SYSTEM)); then
    mkdir -p "$work/scratch"
    mount -t tmpfs scratch "$work/scratch" || exit 1
    for folder in /usr/bin /usr/local/bin "$bindir"; do
        [[ -d $folder ]] || continue
        canonical=$(realpath "$folder")
        [[ -n ${covered[$canonical]:-} ]] && continue
        layer="$work/scratch/${#covered[@]}"
        mkdir -p "$layer/upper" "$layer/work"
        mount -t overlay overlay \
            -o "lowerdir=$canonical,upperdir=$layer/upper,workdir=$layer/work" "$canonical" ||
            exit 1
        covered[$canonical]=1
    done
fi

# A private folder of the caller's, and a link to /usr/bin.
mkdir -m 755 "$work/private"
ln -s /usr/bin "$work/link"
# Each runner's configuration folder holds a colour of its own; the homes'
# configuration folders hold none.
for who in caller user; do
    mkdir -p "$work/$who-xdg/org.parabel.Parabel" "$work/$who-home"
done
printf '[1]\r\nColor=clLime\r\n' >"$work/caller-xdg/org.parabel.Parabel/Inf.ini"
printf '[1]\r\nColor=clNavy\r\n' >"$work/user-xdg/org.parabel.Parabel/Inf.ini"
chmod -R a+rX "$work"

# run WHO ENV PROGRAM: `settings` as the caller or as nobody, with the
# configuration folder and home of WHO (xdg), the home alone (home), or
# neither (none: the password database names the home).
run() {
    local who=$1 env=$2 program=$3
    local -a vars=(PATH=/usr/bin:/bin)
    # A sanitizer build keeps the options its tests run with.
    local name
    for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
        [[ -n ${!name:-} ]] && vars+=("$name=${!name}")
    done
    case $env in
        xdg) vars+=("XDG_CONFIG_HOME=$work/$who-xdg" "HOME=$work/$who-home") ;;
        home) vars+=("HOME=$work/$who-home") ;;
    esac
    if [[ $who == user ]]; then
        setpriv --reuid=$nobody --regid=$nobody --clear-groups env -i "${vars[@]}" "$program" settings
    else
        env -i "${vars[@]}" "$program" settings
    fi
}

# The file and colour expected: beside the program (with the colour of the
# file put there), in WHO's configuration folder, in WHO's home, or in the
# home of WHO's entry in the password database.
expected() {
    local kind=$1 who=$2 folder=$3 file=$4
    local uid=$nobody
    [[ $who == caller ]] && uid=$(id -u)
    case $kind in
        beside)
            local color=clRed
            ((file)) && color=clBlue
            printf 'file: %s/Inf.ini\ncolor: %s\n' "$(realpath "$folder")" "$color"
            ;;
        xdg)
            local color=clLime
            [[ $who == user ]] && color=clNavy
            printf 'file: %s/org.parabel.Parabel/Inf.ini\ncolor: %s\n' "$work/$who-xdg" "$color"
            ;;
        home)
            printf 'file: %s/.config/org.parabel.Parabel/Inf.ini\ncolor: clRed\n' "$work/$who-home"
            ;;
        passwd)
            printf 'file: %s/.config/org.parabel.Parabel/Inf.ini\ncolor: clRed\n' \
                "$(getent passwd "$uid" | cut -d: -f6)"
            ;;
    esac
}

# check FOLDER FILE WHO ENV EXPECTED: a copy of parabel-cli in FOLDER, with
# an Inf.ini (holding clBlue) beside it when FILE is 1.
check() {
    local folder=$1 file=$2 who=$3 env=$4 kind=$5
    local canonical
    canonical=$(realpath "$folder")
    if [[ $canonical != "$work"/* ]] && [[ -z ${covered[$canonical]:-} ]]; then
        skipped=$((skipped + 1))
        return
    fi
    if [[ $who == user ]] && ((!SETTINGS_TEST_ROOT)); then
        skipped=$((skipped + 1))
        return
    fi
    cp "$cli" "$canonical/parabel-cli"
    chmod 755 "$canonical/parabel-cli"
    ((file)) && printf '[1]\r\nColor=clBlue\r\n' >"$canonical/Inf.ini"
    local got want
    got=$(run "$who" "$env" "$folder/parabel-cli" 2>&1)
    want=$(expected "$kind" "$who" "$folder" "$file")
    rm -f "$canonical/parabel-cli" "$canonical/Inf.ini"
    if [[ $got == "$want" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $folder file=$file as $who with $env:"
        echo "  got:      ${got//$'\n'/ | }"
        echo "  expected: ${want//$'\n'/ | }"
    fi
}

private="$work/private"
#     folder            file who    env   expected
# A private copy is portable when it may write its folder or finds the file
# there; else the configuration folder serves, or the home of the user's
# password entry when the environment names none.
check "$private"        0 caller xdg  beside
check "$private"        1 caller home beside
check "$private"        0 user   xdg  xdg
check "$private"        1 user   xdg  beside
check "$private"        0 user   home home
check "$private"        0 user   none passwd
# A copy in a system folder is never portable: not for root, who may write
# the folder, nor for anyone when an Inf.ini already lies there.
check /usr/bin          0 caller xdg  xdg
check /usr/bin          1 caller home home
check /usr/bin          1 caller none passwd
check /usr/bin          1 user   xdg  xdg
check /usr/bin          0 user   home home
check /usr/local/bin    1 caller xdg  xdg
check /usr/local/bin    1 user   home home
check "$bindir"         1 caller xdg  xdg
check "$bindir"         1 user   xdg  xdg
# A system folder reached through a link is still one.
check "$work/link"      1 caller xdg  xdg

echo "$passed passed, $failed failed, $skipped skipped"
((failed == 0))
