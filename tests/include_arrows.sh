#!/bin/sh
# The program's folders depend on one another one way only, from the program
# down to the board's state:
#   app -> window -> working_window -> paper -> drawings -> tutor/session
#   -> tutor/classroom -> tutor/pupils -> tutor/progress -> tutor/problems
#   -> tutor/{multiplication, division} -> tutor/exercise -> board -> core
# A folder includes only from itself and the folders below it (the two
# operations never from each other), and nothing below the drawings includes
# Qt. Prints every include that breaks this, and fails on any.
cd "$(dirname "$0")/../src" || exit 2
rank() {
  case "$1" in
  core) echo 0 ;; board) echo 1 ;; tutor/exercise) echo 2 ;;
  tutor/multiplication | tutor/division) echo 3 ;;
  tutor/problems) echo 4 ;; tutor/progress) echo 5 ;; tutor/pupils) echo 6 ;; tutor/classroom) echo 7 ;;
  tutor/session) echo 8 ;; drawings) echo 9 ;; paper) echo 10 ;; working_window) echo 11 ;; window) echo 12 ;;
  app) echo 13 ;;
  *) echo unknown ;;
  esac
}
folder() { # core/x.h -> core; tutor/session/lesson.h -> tutor/session; paper/print/x.h -> paper
  case "$1" in
  tutor/*) echo "$1" | cut -d/ -f1-2 ;;
  *) echo "$1" | cut -d/ -f1 ;;
  esac
}
faults=0
for file in $(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort); do
  from=$(folder "$file")
  from_rank=$(rank "$from")
  if [ "$from_rank" = unknown ]; then
    echo "$file: in a folder with no place in the order"
    faults=$((faults + 1))
    continue
  fi
  if [ "$from_rank" -le 8 ] && grep -qE '^#include <Q' "$file"; then
    echo "$file: Qt below the drawings"
    faults=$((faults + 1))
  fi
  for included in $(sed -n 's|^#include "\([^"]*\)".*|\1|p' "$file"); do
    to=$(folder "$included")
    [ "$to" = "$from" ] && continue
    to_rank=$(rank "$to")
    if [ "$to_rank" = unknown ] || [ "$to_rank" -ge "$from_rank" ]; then
      echo "$file: includes $included, which is not below $from"
      faults=$((faults + 1))
    fi
  done
done
[ "$faults" -eq 0 ] && echo "Every include points down." 
[ "$faults" -eq 0 ]
