#!/bin/bash
# check_imports_test.sh CHECK_IMPORTS
#
# The import check must pass executables that import system DLLs only and fail any that
# import the MinGW runtime DLLs. Each row is a build directory of fake executables; a fake
# objdump prints, for each file, the DLL names the file lists.
set -u -o pipefail

check_imports=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/objdump" <<'FAKE'
#!/bin/sh
[ "$1" = -p ] || exit 2
echo "$2:     file format pei-x86-64"
sed 's/^/	DLL Name: /' "$2"
FAKE
chmod +x "$work/objdump"

failures=0
# row NAME EXPECTED(pass|fail) FILE=DLLS... [skip:DIRECTORY...]; FILE is a path under the
# build directory, DLLS comma-separated; DIRECTORY is a path under the build directory that
# the check is told to skip.
row() {
    local name=$1 expected=$2 build=$work/$1 outcome=pass entry skipped=()
    shift 2
    mkdir -p "$build"
    for entry in "$@"; do
        if [[ $entry == skip:* ]]; then
            skipped+=("$build/${entry#skip:}")
            continue
        fi
        mkdir -p "$(dirname "$build/${entry%%=*}")"
        tr ',' '\n' <<<"${entry#*=}" | sed '/^$/d' >"$build/${entry%%=*}"
    done
    "$check_imports" "$work/objdump" "$build" "${skipped[@]}" >"$work/$name.log" 2>&1 ||
        outcome=fail
    if [ "$outcome" != "$expected" ]; then
        echo "FAIL $name: expected $expected, got $outcome" >&2
        sed 's/^/    /' "$work/$name.log" >&2
        failures=$((failures + 1))
    fi
}

row system_only pass tests/a.exe=KERNEL32.dll,msvcrt.dll Orvane.exe=USER32.dll,GDI32.dll,SHELL32.dll,COMCTL32.dll
row universal_crt pass a.exe=KERNEL32.dll,api-ms-win-crt-runtime-l1-1-0.dll,api-ms-win-crt-heap-l1-1-0.dll
row cxx_runtime fail a.exe=KERNEL32.dll,libstdc++-6.dll
row gcc_runtime fail a.exe=KERNEL32.dll,libgcc_s_dw2-1.dll b.exe=KERNEL32.dll
row winpthread fail tests/a.exe=KERNEL32.dll,libwinpthread-1.dll
row other_dll fail a.exe=KERNEL32.dll,zlib1.dll
row any_case_exe fail PROGRAM.EXE=libstdc++-6.dll
row no_imports fail a.exe=
row no_executable fail notes.txt=KERNEL32.dll
row cmake_probes_skipped pass CMakeFiles/a.exe=libstdc++-6.dll a.exe=KERNEL32.dll
row skipped_directory pass wine/prefix/x.exe=dbghelp.dll a.exe=KERNEL32.dll skip:wine
row only_that_directory_skipped fail winex/x.exe=dbghelp.dll a.exe=KERNEL32.dll skip:wine

[ "$failures" -eq 0 ] || exit 1
echo "all rows as expected"
