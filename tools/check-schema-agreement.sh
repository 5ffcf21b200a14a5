#!/usr/bin/env bash
# Checks that the bundled schema and the registry's give the same verdict.
#
#   tools/check-schema-agreement.sh [-v] [-c CLI] REGISTRY_XSD [FILE...]
#
# Validates every FILE with the registry's schema (REGISTRY_XSD, with its imports
# beside it) and with resources/ProtocolRecordSchema.xsd, and prints each file on
# which they disagree: both verdicts and the first error of each. Without FILEs
# it checks the project's test data, examples and fuzz corpus. -v also prints
# the verdict of every file that agrees. -c judges with the bundled schema through
# `CLI validate` (a built protoscribe-cli) instead of xmllint, so that the
# program's own validator is compared. BUNDLED_XSD overrides the bundled schema.
#
# Exit status: 0 all verdicts agree, 1 some disagree, 2 the check could not run
# (usage, a missing tool, a schema that does not compile).
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bundled=${BUNDLED_XSD:-$root/resources/ProtocolRecordSchema.xsd}

usage() {
    echo "usage: $0 [-v] [-c CLI] REGISTRY_XSD [FILE...]" >&2
    exit 2
}

verbose=0
cli=
while getopts vc: option; do
    case $option in
    v) verbose=1 ;;
    c) cli=$OPTARG ;;
    *) usage ;;
    esac
done
shift $((OPTIND - 1))
[ $# -ge 1 ] || usage
registry=$1
shift

command -v xmllint >/dev/null || { echo "xmllint is missing (Debian package libxml2-utils)" >&2; exit 2; }
for schema in "$registry" "$bundled"; do
    [ -f "$schema" ] || { echo "no schema at $schema" >&2; exit 2; }
done

files=("$@")
if [ ${#files[@]} -eq 0 ]; then
    shopt -s nullglob globstar
    files=("$root"/tests/**/data/*.xml "$root"/examples/*.xml "$root"/fuzz/corpus/collection/*)
    shopt -u nullglob globstar
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Sets `verdict` (valid or invalid) and `first_error` for FILE under SCHEMA.
# Exits with 2 when the schema itself cannot be used.
judge() {
    local schema=$1 file=$2 status
    xmllint --noout --nonet --schema "$schema" "$file" >/dev/null 2>"$scratch/errors"
    status=$?
    case $status in
    0) verdict=valid ;;
    1 | 3 | 4) verdict=invalid ;;
    *)
        echo "xmllint could not check $file with $schema (status $status):" >&2
        head -n 5 "$scratch/errors" >&2
        exit 2
        ;;
    esac
    # The first line that is not a warning, the source excerpt or its caret.
    first_error=$(grep -v -e '^warning:' -e ' fails to validate$' -e ' validates$' "$scratch/errors" | head -n 1)
}

# The same through the program: exit 0 valid, 1 invalid, 2 could not check.
judge_with_cli() {
    local schema=$1 file=$2 status
    "$cli" validate "$file" --schema "$schema" >"$scratch/report" 2>&1
    status=$?
    case $status in
    0) verdict=valid ;;
    1) verdict=invalid ;;
    *)
        echo "$cli could not check $file with $schema (status $status):" >&2
        head -n 5 "$scratch/report" >&2
        exit 2
        ;;
    esac
    first_error=$(sed -n 's/^Reason: //p' "$scratch/report" | head -n 1)
}

agreed=0
disagreed=0
for file in "${files[@]}"; do
    judge "$registry" "$file"
    registry_verdict=$verdict registry_error=$first_error
    if [ -n "$cli" ]; then
        judge_with_cli "$bundled" "$file"
    else
        judge "$bundled" "$file"
    fi
    if [ "$registry_verdict" = "$verdict" ]; then
        agreed=$((agreed + 1))
        [ $verbose -eq 1 ] && echo "agree ($verdict): $file"
    else
        disagreed=$((disagreed + 1))
        echo "DISAGREE: $file"
        echo "  registry: $registry_verdict${registry_error:+: $registry_error}"
        echo "  bundled:  $verdict${first_error:+: $first_error}"
    fi
done

echo "$((agreed + disagreed)) files checked: $agreed agree, $disagreed disagree"
[ $disagreed -eq 0 ]
