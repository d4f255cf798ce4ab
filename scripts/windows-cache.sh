# Sourced by the scripts that build a library for Windows into the cache
# folder outside the tree: one folder per name and key (the source versions
# and options), built only when missing, its build's output in a log beside
# it, and never marked complete unless every step succeeded.

# cached_build_begin NAME WHAT KEYTEXT...: prints the folder and exits when
# it is complete; otherwise starts afresh in an empty work folder, with all
# further output going to the log.
cached_build_begin() {
  local name=$1
  what=$2
  shift 2
  cache="${XDG_CACHE_HOME:-$HOME/.cache}/swathkit"
  prefix="$cache/$name-$(printf '%s\n' "$@" | sha256sum | cut -c1-12)"
  if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
  fi
  work="$cache/$name-work"
  log="$cache/$name-build.log"
  # A folder built from other sources or options is of no further use.
  rm -rf "$cache/$name"-*
  mkdir -p "$work"
  echo "Building $what for Windows into $prefix (log: $log)" >&2
  exec 3>&2 4>&1 >"$log" 2>&1
  trap 'echo "Building $what for Windows failed; the end of $log:" >&3; tail -n 40 "$log" >&3' ERR
  cd "$work"
}

# cached_build_end: marks the folder complete and prints it.
cached_build_end() {
  trap - ERR
  exec 1>&4 2>&3 3>&- 4>&-
  cd "$cache"
  rm -rf "$work"
  touch "$prefix/.complete"
  echo "$prefix"
}
