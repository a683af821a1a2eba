# A throwaway MariaDB server for the upload tests: 127.0.0.1 only, a free port, a temporary data
# directory. start_test_db exports MARVOLA_TEST_DB_PORT, _USER, _PASSWORD, _DIR and _CA; when the
# server cannot be started it exports MARVOLA_TEST_DB_ERROR instead, so the upload tests fail and say
# why while the other tests still run. stop_test_db stops the server of MARVOLA_TEST_DB_DIR and
# removes the directory.
#
# The server speaks TLS with a throwaway certificate for 127.0.0.1 and localhost, signed by a
# throwaway CA (MARVOLA_TEST_DB_CA, in the data directory's tls folder); the same folder holds a
# second CA that signed nothing, other-ca.pem. `start_test_db plain` starts a server without TLS,
# as an old results server would be.

MARVOLA_TEST_DB_SCHEMA="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/src/upload/Kilpailut.sql"

_marvola_db_client() {
  mariadb --no-defaults --protocol=socket --socket="$MARVOLA_TEST_DB_DIR/mariadbd.sock" -u root \
    --default-character-set=utf8mb4 "$@"
}

# Something answers on the port: not free.
_marvola_db_port_taken() {
  (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

_marvola_db_free_port() {
  local port tries
  for tries in $(seq 50); do
    port=$((20000 + RANDOM % 40000))
    _marvola_db_port_taken "$port" || { echo "$port"; return 0; }
  done
  return 1
}

# A CA and a server certificate for 127.0.0.1 and localhost, valid for two days, in $1; and a second
# CA whose key is thrown away at once. EC keys: made in milliseconds.
_marvola_db_make_certs() {
  local tls=$1 key=(-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes)
  mkdir -p "$tls" || return 1
  openssl req -x509 "${key[@]}" -days 2 -subj "/CN=Marvola test CA" \
    -addext basicConstraints=critical,CA:TRUE -keyout "$tls/ca-key.pem" -out "$tls/ca.pem" \
    && openssl req "${key[@]}" -subj "/CN=localhost" -keyout "$tls/server-key.pem" \
      -out "$tls/server.csr" \
    && openssl x509 -req -in "$tls/server.csr" -CA "$tls/ca.pem" -CAkey "$tls/ca-key.pem" \
      -CAcreateserial -days 2 -out "$tls/server-cert.pem" \
      -extfile <(printf 'subjectAltName=IP:127.0.0.1,DNS:localhost\nextendedKeyUsage=serverAuth\n') \
    && openssl req -x509 "${key[@]}" -days 2 -subj "/CN=Marvola other CA" \
      -addext basicConstraints=critical,CA:TRUE -keyout /dev/null -out "$tls/other-ca.pem"
} >/dev/null 2>&1

# Starts mariadbd on the data directory of MARVOLA_TEST_DB_DIR and the given port; waits until it
# answers. It speaks TLS when the directory holds a server certificate. The PID is in
# $MARVOLA_TEST_DB_DIR/mariadbd.pid.
marvola_db_launch() {
  local port=$1 dir=$MARVOLA_TEST_DB_DIR user_opt=() tls_opt=() i
  [ "$(id -u)" -eq 0 ] && user_opt=(--user=root)
  [ -f "$dir/tls/server-cert.pem" ] && tls_opt=(--ssl-ca="$dir/tls/ca.pem"
    --ssl-cert="$dir/tls/server-cert.pem" --ssl-key="$dir/tls/server-key.pem")
  mariadbd --no-defaults --datadir="$dir/data" --tmpdir="$dir/tmp" --socket="$dir/mariadbd.sock" \
    --pid-file="$dir/mariadbd.pid" --port="$port" --bind-address=127.0.0.1 --skip-name-resolve \
    --character-set-server=utf8mb4 --collation-server=utf8mb4_bin \
    --innodb-buffer-pool-size=16M --log-error="$dir/mariadbd.log" "${tls_opt[@]}" "${user_opt[@]}" \
    </dev/null >>"$dir/mariadbd.log" 2>&1 &
  for i in $(seq 300); do
    if [ -s "$dir/mariadbd.pid" ] && _marvola_db_client -e 'select 1' >/dev/null 2>&1; then
      return 0
    fi
    kill -0 $! 2>/dev/null || return 1
    sleep 0.1
  done
  return 1
}

_marvola_db_setup() {
  _marvola_db_client <<SQL
CREATE DATABASE Tulokset CHARACTER SET utf8mb4 COLLATE utf8mb4_bin;
CREATE USER '$MARVOLA_TEST_DB_USER'@'%' IDENTIFIED BY '$MARVOLA_TEST_DB_PASSWORD';
GRANT ALL PRIVILEGES ON *.* TO '$MARVOLA_TEST_DB_USER'@'%';
USE Tulokset;
SOURCE $MARVOLA_TEST_DB_SCHEMA;
SQL
}

_marvola_db_fail() {
  export MARVOLA_TEST_DB_ERROR="The test database server could not be started: $1"
  echo "*** $MARVOLA_TEST_DB_ERROR" >&2
  local log="${MARVOLA_TEST_DB_DIR:-/nonexistent}/mariadbd.log"
  [ -f "$log" ] && tail -n 20 "$log" >&2
  unset MARVOLA_TEST_DB_PORT MARVOLA_TEST_DB_CA
  return 0
}

start_test_db() {
  local mode=${1:-tls}
  unset MARVOLA_TEST_DB_ERROR MARVOLA_TEST_DB_PORT MARVOLA_TEST_DB_CA
  export MARVOLA_TEST_DB_USER=marvola_test MARVOLA_TEST_DB_PASSWORD=Pässi-40
  command -v mariadbd >/dev/null && command -v mariadb-install-db >/dev/null \
    || { _marvola_db_fail "mariadbd or mariadb-install-db is not installed"; return 0; }
  MARVOLA_TEST_DB_DIR=$(mktemp -d "${TMPDIR:-/tmp}/marvola-db.XXXXXX") \
    || { _marvola_db_fail "no temporary directory"; return 0; }
  export MARVOLA_TEST_DB_DIR
  # Each server keeps its temporary tables in its own directory: servers set up side by side in
  # the shared /tmp lose each other's (mariadb-install-db then fails now and then).
  mkdir -p "$MARVOLA_TEST_DB_DIR/tmp"
  mariadb-install-db --no-defaults --skip-test-db --auth-root-authentication-method=normal \
    --datadir="$MARVOLA_TEST_DB_DIR/data" --tmpdir="$MARVOLA_TEST_DB_DIR/tmp" \
    >"$MARVOLA_TEST_DB_DIR/install.log" 2>&1 \
    || { _marvola_db_fail "mariadb-install-db failed (see $MARVOLA_TEST_DB_DIR/install.log)"; return 0; }
  if [ "$mode" != plain ]; then
    command -v openssl >/dev/null || { _marvola_db_fail "openssl is not installed"; return 0; }
    _marvola_db_make_certs "$MARVOLA_TEST_DB_DIR/tls" \
      || { _marvola_db_fail "openssl could not make the test certificates"; return 0; }
    export MARVOLA_TEST_DB_CA=$MARVOLA_TEST_DB_DIR/tls/ca.pem
  fi
  local port attempt
  # A port found free can be taken before the server binds it: try a few.
  for attempt in 1 2 3 4 5; do
    port=$(_marvola_db_free_port) || break
    if marvola_db_launch "$port"; then
      _marvola_db_setup || { _marvola_db_fail "creating the database Tulokset failed"; return 0; }
      export MARVOLA_TEST_DB_PORT=$port
      echo "Test database server on 127.0.0.1:$port ($MARVOLA_TEST_DB_DIR)"
      return 0
    fi
    _marvola_db_stop_server
  done
  _marvola_db_fail "mariadbd did not start"
}

_marvola_db_stop_server() {
  local pidfile="$MARVOLA_TEST_DB_DIR/mariadbd.pid" pid i
  [ -s "$pidfile" ] || return 0
  pid=$(cat "$pidfile")
  kill "$pid" 2>/dev/null || return 0
  for i in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null
  return 0
}

stop_test_db() {
  [ -n "${MARVOLA_TEST_DB_DIR:-}" ] && [ -d "$MARVOLA_TEST_DB_DIR" ] || return 0
  _marvola_db_stop_server
  rm -rf "$MARVOLA_TEST_DB_DIR"
  unset MARVOLA_TEST_DB_DIR MARVOLA_TEST_DB_PORT MARVOLA_TEST_DB_CA
}
