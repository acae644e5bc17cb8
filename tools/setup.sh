# Shared by run.sh and test.sh: the packages a fresh machine needs, and the build.
ORMEL_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev
                fonts-dejavu-core libgl1-mesa-dev xvfb xauth poppler-utils libxxhash-dev pkg-config)

ormel_install_packages() {
  local missing=()
  for p in "${ORMEL_PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

ormel_build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE="${ORMEL_BUILD_TYPE:-RelWithDebInfo}" >/dev/null
  cmake --build build -j"$(nproc)"
}
