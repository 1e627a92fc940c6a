#!/bin/sh
# Extracts every marked text into a template: the program's sources (the
# marking functions are the keywords, core/words.h and
# drawings/screen_words.h), then the desktop entry and the metainfo.
# Arguments: the project's root, the template to write.
set -eu
root=$1
out=$2
work="$out.$$"
cd "$root"
find src -name '*.cpp' -o -name '*.h' | LC_ALL=C sort > "$work.files"
xgettext --from-code=UTF-8 --language=C++ --no-wrap --sort-by-file -k \
    --keyword=translated:1c,2 --keyword=translatedCount:1c,2,3 --keyword=mark:1c,2 \
    --keyword=uiText:1c,2 --keyword=uiCount:1c,2,3 \
    --flag=translated:2:qt-format --flag=uiText:2:qt-format --flag=mark:2:qt-format \
    --flag=translatedCount:2:qt-plural-format --flag=uiCount:2:qt-plural-format \
    --add-comments=TRANSLATORS: --package-name=numbering-rods --package-version=1.0.0 \
    --msgid-bugs-address=numbering-rods@users.noreply.github.com \
    -f "$work.files" -o "$work.code"
xgettext --from-code=UTF-8 --no-wrap --add-comments=TRANSLATORS: -o "$work.data" \
    data/io.github.numberingrods.NumberingRods.desktop data/io.github.numberingrods.NumberingRods.metainfo.xml
# Both are UTF-8 (the sources say so with --from-code); the template says it.
sed -i 's/charset=CHARSET/charset=UTF-8/' "$work.code" "$work.data"
msgcat --no-wrap --use-first -o "$out" "$work.code" "$work.data"
rm -f "$work.files" "$work.code" "$work.data"
