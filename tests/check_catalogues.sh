#!/bin/sh
# Every language's file is checked as the build checks it, holds every text
# the program marks today (extracted afresh, not read from the template in
# the tree), each translated and none fuzzy.
# Arguments: the project's root, a scratch folder.
set -eu
root=$1
scratch=$2
mkdir -p "$scratch"
sh "$root/po/extract.sh" "$root" "$scratch/fresh.pot"
status=0
for language in $(grep '^[a-z]' "$root/po/LINGUAS"); do
    po="$root/po/$language.po"
    if ! msgfmt --check -o /dev/null "$po"; then
        echo "$language.po: does not pass msgfmt --check"; status=1
    fi
    if ! msgcmp --use-untranslated "$po" "$scratch/fresh.pot" 2>"$scratch/missing"; then
        echo "$language.po: texts the program marks are missing:"; head -20 "$scratch/missing"; status=1
    fi
    untranslated=$(msgattrib --untranslated --no-obsolete "$po" | grep -c '^msgid' || true)
    fuzzy=$(msgattrib --only-fuzzy --no-obsolete "$po" | grep -c '^msgid' || true)
    # Each count includes the header's empty msgid when there is any entry.
    if [ "$untranslated" -gt 0 ] || [ "$fuzzy" -gt 0 ]; then
        echo "$language.po: $untranslated untranslated and $fuzzy fuzzy texts (headers counted)"; status=1
    fi
done
exit $status
