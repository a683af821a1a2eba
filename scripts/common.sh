# Shared by run.sh and test.sh: installs missing Debian packages, configures and builds.

MARVOLA_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libqt6sql6-mysql fonts-liberation mariadb-server openssl ca-certificates xvfb xauth
  poppler-utils help2man dpkg-dev file desktop-file-utils clang libclang-rt-14-dev
  qt6-httpserver-dev qt6-websockets-dev libboost-dev libqrencode-dev chromium wrk tidy)

missing_packages() {
  local pkg
  for pkg in "${MARVOLA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
  done
}

# Only touches apt when something is missing, so a second run stays off the network.
ensure_packages() {
  local missing
  missing=$(missing_packages)
  [ -z "$missing" ] && return 0
  echo "Installing missing packages: $(echo $missing | tr '\n' ' ')"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  # shellcheck disable=SC2086
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

configure_and_build() {
  cmake --preset default >/dev/null
  cmake --build --preset default "$@"
}
