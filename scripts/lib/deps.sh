# Installs, on a Debian machine, the packages that the build and the tests
# need and that are missing.  Sourced by scripts/run and scripts/test.
VELMOOR_PACKAGES=(
  cmake g++ make pkgconf
  libgtest-dev libbenchmark-dev
  qt6-base-dev
  liberfa-dev
  clang libclang-rt-14-dev
  xvfb xauth
  fonts-dejavu-core fonts-urw-base35
)

velmoor_ensure_packages() {
  local missing=()
  local pkg
  for pkg in "${VELMOOR_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$pkg")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo="sudo"
    else
      echo "Not root and no sudo: please install ${missing[*]}" >&2
      return 1
    fi
  fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
