# Sourced by scripts/fuzz.sh and scripts/soak.sh: one clang tree with AddressSanitizer and
# UndefinedBehaviorSanitizer serves both, the libFuzzer harnesses and the headless driver, and
# the pictures and sounds they read are a desktop build's staged ones, not generated again.
# sanitized_tree TARGET...: configures and builds the targets in build-fuzz/ (DA_FUZZ_BUILD
# overrides), making the desktop build's stage first when it is missing; sets sanitized (the
# tree) and stage (the staged directory, DA_STAGE_DIR overrides).
sanitized_tree() {
  local jobs=${DA_JOBS:-$(nproc)}
  sanitized=${DA_FUZZ_BUILD:-$root/build-fuzz}
  stage=${DA_STAGE_DIR:-$root/build/stage}
  if [ ! -f "$stage/resources/.generated" ]; then
    [ -f "$root/build/CMakeCache.txt" ] || cmake -S "$root" -B "$root/build" >/dev/null
    cmake --build "$root/build" -j"$jobs" --target stage >/dev/null
    stage=$root/build/stage
  fi
  CC=clang CXX=clang++ cmake -S "$root" -B "$sanitized" -DDA_BUILD_FUZZ=ON -DDA_BUILD_TESTS=OFF \
    -DDA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$sanitized" -j"$jobs" --target "$@" >/dev/null
}
