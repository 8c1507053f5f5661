# Sourced by the bench scripts: where the repository is, the shared bench data beside it,
# and build folders made absolute, as a relative one would break once a script changes
# folder or hands it to a program that does.
QUILMO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The generators of the bench data live beside the repository (QUILMO_BENCHDATA overrides).
QUILMO_BENCHDATA=${QUILMO_BENCHDATA:-$(cd "$QUILMO_ROOT/.." && pwd)/shared/benchdata}

# absolute_path PATH: PATH from the current folder, whether or not it exists yet.
absolute_path() {
  case $1 in
    /*) printf '%s\n' "$1" ;;
    *) printf '%s\n' "$PWD/$1" ;;
  esac
}

# require TOOL...: stops the calling script, naming it, when a tool is missing.
require() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "${0##*/}: $tool is needed" >&2; exit 1; }
  done
}
