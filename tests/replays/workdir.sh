# Sourced by the replay tests. replay_workdir BUILD_DIR TABLE: a working directory of the
# staged resources and the monster table TABLE, removed on exit; sets build (absolute), sim
# (dream-sim) and work, and keeps OpenAL quiet.
replay_workdir() {
  build=$(cd "$1" && pwd)
  sim=$build/tools/dream_sim/dream-sim
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  ln -s "$build/stage/resources" "$work/resources"
  cp "$2" "$work/monsterData.txt"
  export ALSOFT_DRIVERS=null
}
