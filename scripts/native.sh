# The native build of the parsing core (sourced by test.sh and fuzz.sh after they set root): host
# clang++ with AddressSanitizer, UndefinedBehaviorSanitizer and the libFuzzer targets.

# Configures (once) and builds tests/native into $1.
zor_build_native() {
  if [ ! -f "$1/build.ninja" ]; then
    CXX=clang++ cmake -S "$root/tests/native" -B "$1" -G Ninja $(zor_compiler_launcher) >/dev/null
  fi
  command -v ccache >/dev/null 2>&1 && export CCACHE_BASEDIR="$root"
  cmake --build "$1"
}
