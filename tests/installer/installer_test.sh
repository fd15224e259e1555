#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows zip and setup program, checked with Wine in Xvfb:  installer_test.sh <test>
# Run by CTest (tests/installer/CMakeLists.txt), which gives the files in the environment:
#   VELKARO_TEST_WORK  folder of the tests' work, one folder per test, made afresh
#   VELKARO_HELPERS    folder of run_unelevated.exe and read_shortcut.exe
#   VELKARO_EXE, VELKARO_SETUP, VELKARO_OLD_SETUP, VELKARO_ZIP, VELKARO_ZIP_DATE, VELKARO_ICO,
#   VELKARO_LICENSE, VELKARO_PUBLISHER, VELKARO_MAKE_ZIP, CMAKE_COMMAND
# Wine starts every program elevated, as "Run as administrator" does on Windows; a player without
# administrator rights is played by starting the program through run_unelevated.exe.
set -euo pipefail
# shellcheck source=scripts/lib.sh
. "$(dirname "$0")/../../scripts/lib.sh"

test_name=$1
work="$VELKARO_TEST_WORK/$test_name"
template="$VELKARO_TEST_WORK/wine_prefix/prefix"
rm -rf "$work"
mkdir -p "$work"

# As designed.
name=Velkaro
version=1.00
old_version=0.90
summary_ar='فكّر في عدد من 0 إلى 90 وأجب عن سبعة أسئلة، فيعرف البرنامج عددك'
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Velkaro'

# Wine with a home and a prefix of its own, quiet, asking for neither Mono nor Gecko, and making
# no menu entries on the Linux desktop.
export HOME="$work/home"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
mkdir -p "$HOME"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
expect_equal() { # what, actual, expected
    [ "$2" = "$3" ] || fail "$1: expected [$3], got [$2]"
}
expect_file() {
    [ -f "$1" ] || fail "missing: ${1#"$WINEPREFIX/"}"
}
expect_no_file() {
    [ ! -e "$1" ] || fail "should not exist: ${1#"$WINEPREFIX/"}"
}

# ---- An Xvfb session: every Wine program runs inside one, and the session waits for Wine to end.

session_start() {
    velkaro_start_xvfb "$work" -screen 0 1024x768x24 || fail "Xvfb did not start"
}
session_end() {
    wineserver -w
    velkaro_stop_xvfb
    unset DISPLAY
}
cleanup() {
    if [ -n "${VELKARO_XVFB_PID:-}" ]; then
        wineserver -k 2>/dev/null || true
        velkaro_stop_xvfb
    fi
}
trap cleanup EXIT

# ---- The prefix -------------------------------------------------------------------------------

new_prefix() {
    [ -d "$template" ] || fail "no fresh prefix: the test installer.wine_prefix makes it"
    cp -a "$template" "$WINEPREFIX"
    local folder
    for folder in "$WINEPREFIX"/drive_c/users/*; do
        [ "${folder##*/}" = Public ] || user=${folder##*/}
    done
    profile="C:\\users\\$user"
}

unix_path() { # C:\a\b -> $WINEPREFIX/drive_c/a/b
    local path=${1#C:\\}
    echo "$WINEPREFIX/drive_c/${path//\\//}"
}
windows_path() { # /a/b -> Z:\a\b
    echo "Z:${1//\//\\}"
}

# The value of a registry value as Wine's registry file writes it ("text", dword:00000001), or
# nothing and status 1. Call outside a session, when wineserver has written the files.
reg_value() { # HKCU|HKLM, key, value name
    local file=user.reg
    [ "$1" = HKLM ] && file=system.reg
    KEY="[${2//\\/\\\\}]" NAME="\"$3\"=" awk '
        BEGIN { key = ENVIRON["KEY"]; name = ENVIRON["NAME"] }
        /^\[/ { inside = index($0, key) == 1 && (length($0) == length(key) || substr($0, length(key) + 1, 1) == " "); next }
        inside && index($0, name) == 1 { print substr($0, length(name) + 1); found = 1; exit }
        END { exit !found }' "$WINEPREFIX/$file"
}
reg_key_exists() { # HKCU|HKLM, key
    local file=user.reg
    [ "$1" = HKLM ] && file=system.reg
    KEY="[${2//\\/\\\\}]" awk '
        BEGIN { key = ENVIRON["KEY"] }
        index($0, key) == 1 && (length($0) == length(key) || substr($0, length(key) + 1, 1) == " ") { found = 1; exit }
        END { exit !found }' "$WINEPREFIX/$file"
}
reg_string() { # text -> "text" as a registry file writes it
    local text=${1//\\/\\\\}
    printf '"%s"' "${text//\"/\\\"}"
}
reg_unquote() { # "text" -> text
    local text=${1#\"}
    text=${text%\"}
    text=${text//\\\"/\"}
    printf '%s' "${text//\\\\/\\}"
}

# What a shortcut holds, as the shell reads it: read_shortcut <C:\...lnk> <field>. In a session.
read_shortcut() {
    wine "$VELKARO_HELPERS/read_shortcut.exe" "$1" | tr -d '\r' | sed -n "s/^$2=//p"
}

# The prefix's files (type, path, link target and SHA-1) and registry, for comparing. The
# registry leaves out the times Wine writes and the display adapters and monitors, which Wine
# registers afresh, with the date, whenever a session starts.
snapshot() { # name
    (cd "$WINEPREFIX/drive_c" && find . -printf '%y %p %l\n' | LC_ALL=C sort) >"$work/$1.tree"
    (cd "$WINEPREFIX/drive_c" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha1sum) \
        >"$work/$1.sums"
    local hive
    for hive in system.reg user.reg userdef.reg; do
        echo "== $hive"
        awk '
            /^\[/ {
                skip = $0 ~ /^\[System\\\\CurrentControlSet\\\\Control\\\\Class\\\\\{4D36E96[8E]-E325-11CE-BFC1-08002BE10318\}/
                sub(/\] [0-9]+$/, "]")
            }
            /^#time=/ { next }
            !skip { print }' "$WINEPREFIX/$hive"
    done >"$work/$1.reg"
}
snapshot_summary() { # name
    printf '%-16s %5d folders, %5d files, %5d registry keys\n' "$1:" \
        "$(grep -c '^d ' "$work/$1.tree")" "$(grep -c '^f ' "$work/$1.tree")" \
        "$(grep -c '^\[' "$work/$1.reg")"
}
# Nothing of Velkaro in the prefix's files or registry.
expect_no_velkaro() {
    local found
    found=$(grep -i velkaro "$WINEPREFIX/drive_c" -r -l --include='*.lnk' 2>/dev/null || true)
    found+=$(cd "$WINEPREFIX/drive_c" && find . -iname '*velkaro*')
    found+=$(grep -i -n velkaro "$WINEPREFIX"/*.reg || true)
    [ -z "$found" ] || fail "left behind: $found"
}
# Windows starts again (wineboot -r): it carries out the deletions that were left for the next
# start, as the uninstaller's removal of its own copy in the temporary folder.
restart_windows() {
    session_start
    wineboot -r
    session_end
}
# The prefix before the install, as Windows leaves it after a start.
snapshot_before() {
    restart_windows
    snapshot before
}
# The prefix as it was before the install, after Windows' next start.
expect_as_before() { # snapshot name
    restart_windows
    snapshot after
    snapshot_summary "$1"
    snapshot_summary after
    diff -u "$work/$1.tree" "$work/after.tree" || fail "the files differ from before the install"
    diff -u "$work/$1.sums" "$work/after.sums" || fail "the files differ from before the install"
    diff -u "$work/$1.reg" "$work/after.reg" || fail "the registry differs from before the install"
}

# ---- Installing -------------------------------------------------------------------------------

setup() { # unelevated|elevated, setup file, arguments...
    local how=$1 file
    file=$(windows_path "$2")
    shift 2
    if [ "$how" = unelevated ]; then
        wine "$VELKARO_HELPERS/run_unelevated.exe" "$file" "$@"
    else
        wine "$file" "$@"
    fi
}
# Runs the quiet uninstall command the Uninstall key gives. Outside a session; ends its own.
uninstall() { # unelevated|elevated, HKCU|HKLM
    local command program arguments
    command=$(reg_unquote "$(reg_value "$2" "$uninstall_key" QuietUninstallString)")
    program=${command#\"}
    program=${program%%\"*}
    arguments=${command#\"*\" }
    session_start
    # shellcheck disable=SC2086 # the arguments are words
    if [ "$1" = unelevated ]; then
        wine "$VELKARO_HELPERS/run_unelevated.exe" "$program" $arguments
    else
        wine "$program" $arguments
    fi
    session_end
}

# Checks an install in the folder given, for the user (HKCU) or all users (HKLM).
expect_installed() { # windows folder, HKCU|HKLM, version
    local folder=$1 hive=$2 expected_version=$3 start_menu
    expect_file "$(unix_path "$folder")/$name.exe"
    expect_file "$(unix_path "$folder")/LICENSE.txt"
    expect_file "$(unix_path "$folder")/README.txt"
    expect_file "$(unix_path "$folder")/uninstall.exe"
    expect_equal "DisplayName" "$(reg_value "$hive" "$uninstall_key" DisplayName)" '"Velkaro"'
    expect_equal "DisplayVersion" "$(reg_value "$hive" "$uninstall_key" DisplayVersion)" \
        "\"$expected_version\""
    expect_equal "Publisher" "$(reg_value "$hive" "$uninstall_key" Publisher)" \
        "$(reg_string "$VELKARO_PUBLISHER")"
    expect_equal "DisplayIcon" "$(reg_value "$hive" "$uninstall_key" DisplayIcon)" \
        "$(reg_string "\"$folder\\$name.exe\",0")"
    expect_equal "InstallLocation" "$(reg_value "$hive" "$uninstall_key" InstallLocation)" \
        "$(reg_string "$folder")"
    expect_equal "UninstallString" "$(reg_value "$hive" "$uninstall_key" UninstallString)" \
        "$(reg_string "\"$folder\\uninstall.exe\"")"
    expect_equal "NoModify" "$(reg_value "$hive" "$uninstall_key" NoModify)" dword:00000001
    expect_equal "NoRepair" "$(reg_value "$hive" "$uninstall_key" NoRepair)" dword:00000001
    # EstimatedSize in kB: the folder's files, at least the program's there.
    local size kb
    size=$(reg_value "$hive" "$uninstall_key" EstimatedSize)
    kb=$((16#${size#dword:}))
    ((kb >= $(stat -c %s "$(unix_path "$folder")/$name.exe") / 1024 &&
        kb <= $(du -sk "$(unix_path "$folder")" | cut -f1) + 4)) ||
        fail "EstimatedSize $kb kB does not fit the folder"
    if [ "$hive" = HKCU ]; then
        start_menu="$profile\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs"
    else
        start_menu='C:\ProgramData\Microsoft\Windows\Start Menu\Programs'
    fi
    expect_file "$(unix_path "$start_menu")/$name.lnk"
    session_start
    expect_equal "shortcut's target" "$(read_shortcut "$start_menu\\$name.lnk" target)" \
        "$folder\\$name.exe"
    expect_equal "shortcut's description" \
        "$(read_shortcut "$start_menu\\$name.lnk" description)" "$summary_ar"
    session_end
}

# ---- The tests --------------------------------------------------------------------------------

test_wine_prefix() {
    # The fresh prefix the other tests copy. Its user folders (desktop, documents ...) become
    # folders of their own rather than links to the home folder, so that nothing leaves it.
    WINEPREFIX="$template"
    session_start
    wineboot -i
    session_end
    local folder
    for folder in "$WINEPREFIX"/drive_c/users/*/*; do
        if [ -L "$folder" ]; then
            rm "$folder"
            mkdir "$folder"
        fi
    done
    wine --version
}

# A silent install for a user without administrator rights: the program in the user's programs
# folder, the Start menu shortcut, the Uninstall key under HKCU, no desktop shortcut.
test_install() {
    new_prefix
    session_start
    setup unelevated "$VELKARO_SETUP" /S
    session_end
    local folder="$profile\\AppData\\Local\\Programs\\$name"
    expect_installed "$folder" HKCU "$version"
    cmp "$(unix_path "$folder")/$name.exe" "$VELKARO_EXE" || fail "Velkaro.exe is not the built one"
    expect_no_file "$(unix_path "$profile\\Desktop")/$name.lnk"
    expect_no_file "$WINEPREFIX/drive_c/Program Files/$name"
    ! reg_key_exists HKLM "$uninstall_key" || fail "an Uninstall key under HKLM"
}

# The installed program starts from its Start menu shortcut: its window appears; then it is ended.
test_start() {
    new_prefix
    session_start
    setup unelevated "$VELKARO_SETUP" /S
    wine start "$profile\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\$name.lnk"
    local window="" i
    for ((i = 0; i < 240; i++)); do
        window=$(xwininfo -root -tree | awk 'tolower($0) ~ /\("velkaro\.exe" / { print $1; exit }')
        if [ -n "$window" ] && xwininfo -id "$window" | grep -q 'Map State: IsViewable'; then
            break
        fi
        window=""
        sleep 0.25
    done
    [ -n "$window" ] || fail "no window of Velkaro.exe appeared"
    echo "window: $(xwininfo -id "$window" | grep -E 'xwininfo:|Width|Height' | tr -s ' \n' ' ')"
    wine taskkill /f /im "$name.exe"
    for ((i = 0; i < 120; i++)); do
        xwininfo -root -tree | grep -qi '("velkaro.exe" ' || break
        sleep 0.25
    done
    ! xwininfo -root -tree | grep -qi '("velkaro.exe" ' || fail "the window is still there"
    session_end
}

# An older version installed in a folder of its own, with a desktop shortcut; the new setup,
# run silently, upgrades it where it is and keeps the shortcut; the uninstall then leaves the
# prefix as it was.
test_upgrade() {
    new_prefix
    snapshot_before
    local folder='C:\Games\Velkaro'
    session_start
    setup unelevated "$VELKARO_OLD_SETUP" /S /DESKTOP "/D=$folder"
    session_end
    expect_installed "$folder" HKCU "$old_version"
    ! cmp -s "$(unix_path "$folder")/$name.exe" "$VELKARO_EXE" ||
        fail "the older setup should carry another program"

    session_start
    setup unelevated "$VELKARO_SETUP" /S
    session_end
    expect_installed "$folder" HKCU "$version"
    cmp "$(unix_path "$folder")/$name.exe" "$VELKARO_EXE" || fail "Velkaro.exe was not upgraded"
    expect_file "$(unix_path "$profile\\Desktop")/$name.lnk"
    expect_no_file "$(unix_path "$profile\\AppData\\Local\\Programs\\$name")"
    # shellcheck disable=SC1003 # the backslashes are the registry file's
    [ "$(grep -c -F '[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\' \
        "$WINEPREFIX/user.reg")" = 1 ] || fail "more than one Uninstall key"

    uninstall unelevated HKCU
    expect_no_velkaro
    expect_as_before before
}

# A silent uninstall removes everything the setup made, the desktop shortcut too: the prefix's
# files and registry are as before the install.
test_uninstall() {
    new_prefix
    snapshot_before
    session_start
    setup unelevated "$VELKARO_SETUP" /S /DESKTOP
    session_end
    snapshot installed
    expect_file "$(unix_path "$profile\\Desktop")/$name.lnk"
    uninstall unelevated HKCU
    expect_no_velkaro
    snapshot_summary installed
    { diff "$work/before.tree" "$work/installed.tree" || true; } | sed -n 's/^> /installed: /p'
    { diff "$work/before.reg" "$work/installed.reg" || true; } | sed -n 's/^> \[/installed: [/p'
    expect_as_before before
}

# Run as administrator, the setup installs for all users: Program Files, the common Start menu
# and desktop, HKLM. A user without administrator rights cannot uninstall it; an administrator
# can, and the prefix is as before.
test_all_users() {
    new_prefix
    snapshot_before
    session_start
    setup elevated "$VELKARO_SETUP" /S /DESKTOP
    session_end
    local folder="C:\\Program Files\\$name"
    expect_installed "$folder" HKLM "$version"
    expect_file "$WINEPREFIX/drive_c/users/Public/Desktop/$name.lnk"
    ! reg_key_exists HKCU "$uninstall_key" || fail "an Uninstall key under HKCU"
    expect_no_file "$(unix_path "$profile\\AppData\\Local\\Programs\\$name")"

    uninstall unelevated HKLM
    expect_file "$(unix_path "$folder")/$name.exe"
    reg_key_exists HKLM "$uninstall_key" || fail "a user without administrator rights uninstalled"

    uninstall elevated HKLM
    expect_no_velkaro
    expect_as_before before
}

# The zip: exactly the three files, the built program, text files for Notepad, and the same zip
# again from the same files whatever their times and permissions.
test_zip() {
    local listing
    listing=$(unzip -Z1 "$VELKARO_ZIP")
    expect_equal "the zip's entries" "$listing" $'Velkaro.exe\nLICENSE.txt\nREADME.txt'
    zipinfo -T "$VELKARO_ZIP" | awk '/^-/ { print $7 }' | sort -u >"$work/times"
    expect_equal "the entries' time" "$(cat "$work/times")" \
        "$(date -u -d "$VELKARO_ZIP_DATE" +%Y%m%d.%H%M%S)"
    mkdir "$work/unpacked"
    unzip -q "$VELKARO_ZIP" -d "$work/unpacked"
    cmp "$work/unpacked/Velkaro.exe" "$VELKARO_EXE" || fail "the zip's Velkaro.exe is not the built one"
    sed 's/$/\r/' "$VELKARO_LICENSE" | cmp - "$work/unpacked/LICENSE.txt" ||
        fail "LICENSE.txt is not the licence with CRLF line ends"

    local readme="$work/unpacked/README.txt"
    expect_equal "README.txt's byte order mark" "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" efbbbf
    expect_equal "README.txt's lines ending in CRLF" "$(grep -c $'\r$' "$readme")" \
        "$(tr -cd '\n' <"$readme" | wc -c)"
    expect_equal "README.txt's CR characters" "$(tr -cd '\r' <"$readme" | wc -c)" \
        "$(tr -cd '\n' <"$readme" | wc -c)"
    local arabic english
    arabic=$(grep -n 'طريقة اللعب' "$readme" | cut -d: -f1)
    english=$(grep -n 'How to play' "$readme" | cut -d: -f1)
    if [ -z "$arabic" ] || [ -z "$english" ] || ((arabic > english)); then
        fail "README.txt should say how to play in Arabic, then in English"
    fi
    grep -q "Velkaro $version" "$readme" || fail "README.txt does not name the version"

    mkdir "$work/again"
    local file
    for file in Velkaro.exe LICENSE.txt README.txt; do
        cp "$work/unpacked/$file" "$work/again/$file"
        chmod 600 "$work/again/$file"
        touch -d '2001-02-03 04:05:06' "$work/again/$file"
    done
    "$CMAKE_COMMAND" "-DOUTPUT=$work/again.zip" "-DDATE=$VELKARO_ZIP_DATE" \
        "-DENTRIES=Velkaro.exe;$work/again/Velkaro.exe;LICENSE.txt;$work/again/LICENSE.txt;README.txt;$work/again/README.txt" \
        -P "$VELKARO_MAKE_ZIP"
    cmp "$work/again.zip" "$VELKARO_ZIP" || fail "the same files give another zip"
    stat -c '%s bytes: %n' "$VELKARO_ZIP" "$VELKARO_SETUP"
}

# The setup program: a 64-bit program that asks for no administrator rights, with its own
# version record and the program's icon.
test_setup_resources() {
    local pe machine
    pe=$(od -An -tu4 -j 60 -N 4 "$VELKARO_SETUP" | tr -d ' ')
    machine=$(od -An -tx2 -j $((pe + 4)) -N 2 "$VELKARO_SETUP" | tr -d ' ')
    expect_equal "the setup's machine (amd64)" "$machine" 8664

    wrestool -x --raw -t 24 "$VELKARO_SETUP" >"$work/manifest.xml"
    grep -q 'level="asInvoker"' "$work/manifest.xml" ||
        fail "the setup should ask for no administrator rights"

    wrestool -x --raw -t 16 "$VELKARO_SETUP" >"$work/version.bin"
    local strings
    strings=$(strings -e l "$work/version.bin" | paste -sd '|')
    local pair
    for pair in "CompanyName|$VELKARO_PUBLISHER" "FileDescription|Velkaro setup" \
        "FileVersion|$version" "ProductVersion|$version" "ProductName|$name" \
        "OriginalFilename|Velkaro-$version-setup.exe"; do
        [[ "|$strings|" == *"|$pair|"* ]] || fail "version record: no $pair in $strings"
    done
    # VS_FIXEDFILEINFO: signature, structure version, then file and product version 1.0.0.0.
    od -An -tx1 -v "$work/version.bin" | tr -d ' \n' |
        grep -Eq 'bd04effe[0-9a-f]{8}00000100000000000000010000000000' ||
        fail "the version record's numbers are not 1.0.0.0"

    mkdir "$work/icon-setup" "$work/icon-program"
    wrestool -x -t 14 "$VELKARO_SETUP" -o "$work/setup.ico"
    icotool -x -o "$work/icon-setup" "$work/setup.ico"
    icotool -x -o "$work/icon-program" "$VELKARO_ICO"
    expect_equal "the setup's icon" "$(cd "$work/icon-setup" && sha1sum -- * | cut -d' ' -f1)" \
        "$(cd "$work/icon-program" && sha1sum -- * | cut -d' ' -f1)"
}

# The fresh prefix goes when the tests that copy it are done.
test_remove_wine_prefix() {
    rm -rf "$VELKARO_TEST_WORK/wine_prefix"
}

"test_$test_name"
# A prefix takes about 700 MB: it stays only where a test failed, to be looked into.
if [ "$test_name" != wine_prefix ]; then
    rm -rf "$WINEPREFIX"
fi
echo "ok: installer.$test_name"
