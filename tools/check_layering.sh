#!/usr/bin/env bash
# Refuses includes that break the layering, and says where:
# - a library includes only its own headers and those of the layers below it
#   (platform <- store; platform <- geometry <- core <- hosts <- controls <- app);
# - headers in a library's private/ folder serve that library alone;
# - platform/TestSeam.h serves the tests and benchmarks alone;
# - only src/platform and src/app/main.cpp include Qt or SQLite headers;
# - src includes its own headers from the src root ("toolkit/core/VR2View.h");
# - src/platform names none of the toolkit's codes (those the toolkit declares
#   in its own namespace codes, as toolkit/core/VR2Codes.h does).
# Usage: tools/check_layering.sh [repository root]; exits 1 on any refusal.
set -uo pipefail
cd "${1:-$(dirname "$0")/..}" || exit 2

libraries=(toolkit/geometry toolkit/core toolkit/hosts toolkit/controls platform store app)
declare -A below=(
  [platform]="platform"
  [store]="platform store"
  [toolkit/geometry]="platform toolkit/geometry"
  [toolkit/core]="platform toolkit/geometry toolkit/core"
  [toolkit/hosts]="platform toolkit/geometry toolkit/core toolkit/hosts"
  [toolkit/controls]="platform toolkit/geometry toolkit/core toolkit/hosts toolkit/controls"
  [app]="platform store toolkit/geometry toolkit/core toolkit/hosts toolkit/controls app"
)

# Sets library to the library that a path under src/ (or an include path) belongs to; empty when none.
library_of() {
  for library in "${libraries[@]}"; do
    [[ $1 == "$library"/* ]] && return
  done
  library=""
}

failures=0
refuse() {
  echo "$1:$2: #include $3: $4"
  failures=$((failures + 1))
}

while IFS= read -r match; do
  file=${match%%:*}
  rest=${match#*:}
  line=${rest%%:*}
  text=${rest#*:}
  [[ $text =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*([\"\<])([^\"\>]+)[\"\>] ]] || continue
  quoted=${BASH_REMATCH[1]}
  header=${BASH_REMATCH[2]}
  [[ $quoted == '"' ]] && shown="\"$header\"" || shown="<$header>"

  owner=""
  if [[ $file == src/* ]]; then
    library_of "${file#src/}"
    owner=$library
  fi

  if [[ $quoted == '<' ]]; then
    if [[ $header =~ ^(Q[A-Za-z0-9]*(/.*)?|Qt[A-Za-z]*/.*|q[a-z0-9_]+\.h|sqlite3(ext)?\.h)$ ]]; then
      [[ -n $owner && $owner != platform && $file != src/app/main.cpp ]] &&
        refuse "$file" "$line" "$shown" "Qt and SQLite belong to src/platform"
    fi
    continue
  fi

  library_of "$header"
  target=$library
  if [[ -n $owner && -z $target ]]; then
    refuse "$file" "$line" "$shown" "include the library's headers from the src root"
    continue
  fi
  [[ -z $target ]] && continue
  if [[ $header == */private/* && $owner != "$target" ]]; then
    refuse "$file" "$line" "$shown" "private to $target"
  elif [[ $header == platform/TestSeam.h && -n $owner && $owner != platform ]]; then
    refuse "$file" "$line" "$shown" "the test seam serves tests and benchmarks only"
  elif [[ -n $owner && " ${below[$owner]} " != *" $target "* ]]; then
    refuse "$file" "$line" "$shown" "$owner may include only ${below[$owner]}"
  fi
done < <(grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include' src tests bench 2>/dev/null)

# The names the toolkit declares inside namespace codes, one a line.
toolkit_codes=$(find src/toolkit -name '*.h' -exec awk '
  /^namespace codes \{/ { inside = 1; next }
  /^\}  \/\/ namespace codes/ { inside = 0 }
  inside && match($0, /constexpr [A-Za-z0-9_:]+ [A-Za-z_][A-Za-z0-9_]*/) {
    split(substr($0, RSTART, RLENGTH), words, " "); print words[3]
  }' {} + | sort -u)
if [[ -n $toolkit_codes ]]; then
  while IFS= read -r match; do
    file=${match%%:*}
    rest=${match#*:}
    echo "$file:${rest%%:*}: names a toolkit code: ${rest#*:}"
    failures=$((failures + 1))
  done < <(grep -rnwF --include='*.h' --include='*.cpp' -f <(echo "$toolkit_codes") src/platform 2>/dev/null)
fi

if ((failures > 0)); then
  echo "$failures place(s) break the layering."
  exit 1
fi
echo "Layering holds."
