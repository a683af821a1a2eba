# Shared by run.sh and test.sh: installs missing Debian packages, configures and builds.

# What building and running the program needs: compiler, Qt, its translation tools and its own
# translations (file dialogs, message box buttons), fonts, the MySQL driver and the system's
# certificates for the results upload.
MARVOLA_RUN_PACKAGES=(cmake ninja-build g++ lld pkg-config ccache qt6-base-dev qt6-tools-dev
  qt6-l10n-tools qt6-translations-l10n libqrencode-dev libboost-dev libqt6sql6-mysql
  libqt6sql6-sqlite fonts-liberation ca-certificates libzip-dev libxlsxwriter-dev
  libzint-dev libcurl4-openssl-dev)
# What the tests, the sanitizer and fuzz build, the package and the benchmarks add.
MARVOLA_TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  mariadb-server openssl chromium wrk xvfb xauth poppler-utils help2man dpkg-dev file
  desktop-file-utils lintian strace tidy chromium-driver python3-openpyxl zbar-tools python3-aiosmtpd
  libreoffice-calc-nogui)

missing_packages() {
  local pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' || echo "$pkg"
  done
}

# ensure_packages PACKAGE...: installs those missing. Only touches apt when something is missing,
# so a second run stays off the network.
ensure_packages() {
  local missing
  missing=$(missing_packages "$@")
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
