# A one-node SLURM cluster of its own, for the workflow's tests: munged,
# slurmctld and slurmd on this machine (as root), with a munge key, a
# slurm.conf, ports, sockets and spool and state folders that all lie in one
# scratch folder, so that it meddles with no cluster the machine may have.
# Sourced by a test:
#
#   . slurm_cluster.sh
#   start_slurm_cluster FOLDER || exit 1    # the reason on standard error
#   ... sbatch, with SLURM_CONF set ...
#   stop_slurm_cluster                      # also from the test's trap
#
# start_slurm_cluster exports SLURM_CONF, which sbatch, squeue and sinfo read.

slurm_cluster_reason() { echo "slurm cluster: $*" >&2; }

# A TCP port nothing listens on (the kernel picks it).
free_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1]); s.close()'
}

start_slurm_cluster() {
  slurm_folder=$1
  slurm_pids=""
  if [ "$(id -u)" != 0 ]; then
    slurm_cluster_reason "the daemons run as root (SlurmUser=root), and this is user $(id -un)"
    return 1
  fi
  for command in munged mungekey slurmctld slurmd sbatch sinfo squeue python3; do
    command -v "$command" >/dev/null 2>&1 ||
      { slurm_cluster_reason "$command is missing (Debian packages slurm-wlm, munge)"; return 1; }
  done
  mkdir -p "$slurm_folder/munge" "$slurm_folder/state" "$slurm_folder/spool" "$slurm_folder/log"
  chmod 700 "$slurm_folder/munge"
  mungekey --create --keyfile="$slurm_folder/munge/munge.key" 2>"$slurm_folder/log/mungekey.log" ||
    { slurm_cluster_reason "mungekey failed: $(cat "$slurm_folder/log/mungekey.log")"; return 1; }
  munged --force --socket="$slurm_folder/munge/socket" --key-file="$slurm_folder/munge/munge.key" \
    --pid-file="$slurm_folder/munge/munged.pid" --log-file="$slurm_folder/log/munged.log" \
    --seed-file="$slurm_folder/munge/seed" 2>>"$slurm_folder/log/munged.log" ||
    { slurm_cluster_reason "munged did not start: $(tail -n 3 "$slurm_folder/log/munged.log")"; return 1; }
  slurm_pids="$(cat "$slurm_folder/munge/munged.pid")"

  node=$(hostname -s)
  cpus=$(nproc)
  # The node offers most of the machine's memory, so that jobs that ask
  # for some (sbatch --mem) fit.
  memory=$(awk '/^MemTotal:/ { print int($2 / 1024 * 0.8) }' /proc/meminfo)
  cat >"$slurm_folder/slurm.conf" <<CONF
ClusterName=vesmartest
SlurmctldHost=$node
SlurmctldPort=$(free_port)
SlurmdPort=$(free_port)
SlurmUser=root
SlurmdUser=root
AuthType=auth/munge
AuthInfo=socket=$slurm_folder/munge/socket
CredType=cred/munge
StateSaveLocation=$slurm_folder/state
SlurmdSpoolDir=$slurm_folder/spool
SlurmctldPidFile=$slurm_folder/slurmctld.pid
SlurmdPidFile=$slurm_folder/slurmd.pid
SlurmctldLogFile=$slurm_folder/log/slurmctld.log
SlurmdLogFile=$slurm_folder/log/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
MpiDefault=none
SelectType=select/cons_tres
SelectTypeParameters=CR_CPU
ReturnToService=2
SchedulerType=sched/builtin
SlurmdTimeout=30
InactiveLimit=0
KillWait=5
NodeName=$node CPUs=$cpus RealMemory=$memory State=UNKNOWN
PartitionName=test Nodes=$node Default=YES MaxTime=INFINITE State=UP
CONF
  export SLURM_CONF="$slurm_folder/slurm.conf"
  slurmctld -f "$SLURM_CONF" ||
    { slurm_cluster_reason "slurmctld did not start: $(tail -n 5 "$slurm_folder/log/slurmctld.log" 2>/dev/null)"; return 1; }
  slurmd -f "$SLURM_CONF" ||
    { slurm_cluster_reason "slurmd did not start: $(tail -n 5 "$slurm_folder/log/slurmd.log" 2>/dev/null)"; return 1; }
  # Ready when sinfo shows the node idle.
  for _ in $(seq 1 60); do
    [ -f "$slurm_folder/slurmctld.pid" ] && [ -f "$slurm_folder/slurmd.pid" ] &&
      [ "$(sinfo -h -N -o '%t' 2>/dev/null)" = idle ] && return 0
    sleep 0.5
  done
  slurm_cluster_reason "the node is not idle after 30 s (sinfo: $(sinfo -h -N -o '%N %t' 2>&1));" \
    "slurmctld: $(tail -n 3 "$slurm_folder/log/slurmctld.log" 2>/dev/null);" \
    "slurmd: $(tail -n 3 "$slurm_folder/log/slurmd.log" 2>/dev/null)"
  return 1
}

# Stops the daemons this cluster started, by their own process ids, and
# waits until they are gone.
stop_slurm_cluster() {
  [ -n "${slurm_folder:-}" ] || return 0
  for pid_file in "$slurm_folder/slurmd.pid" "$slurm_folder/slurmctld.pid" "$slurm_folder/munge/munged.pid"; do
    [ -f "$pid_file" ] || continue
    pid=$(cat "$pid_file")
    [ -n "$pid" ] || continue
    kill "$pid" 2>/dev/null || continue
    for _ in $(seq 1 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.25; done
    kill -9 "$pid" 2>/dev/null || true
  done
  slurm_folder=""
}
