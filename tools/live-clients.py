#!/usr/bin/env python3
"""Hostile and watchful clients of the live results, for tools/live-load.sh (not part of ctest).

  slow HOST PORT COUNT SECONDS       COUNT connections that each send one byte of a request head
                                     every 5 s, reconnecting when the server closes them
  probe HOST PORT SOURCE SECONDS     gets the index once a second from the address SOURCE and
                                     prints the slowest answer and the failures
  body HOST PORT BYTES               announces and sends a body of BYTES to the index
  header HOST PORT BYTES             sends a header line of BYTES
  pipeline HOST PORT COUNT SECONDS   sends COUNT requests at once and reads nothing for SECONDS
"""
import selectors
import socket
import sys
import time


def connect(host, port, source=None):
    s = socket.socket(socket.AF_INET, socket.SOCK_STREAM)
    if source:
        s.bind((source, 0))
    s.connect((host, port))
    return s


def slow(host, port, count, seconds):
    head = b"GET / HTTP/1.1\r\nHost: x\r\n" + b"X-Slow: " + b"a" * 200 + b"\r\n\r\n"
    sel = selectors.DefaultSelector()
    clients = {}

    def open_one():
        try:
            s = connect(host, port)
        except OSError:
            return
        s.setblocking(False)
        clients[s] = 0
        sel.register(s, selectors.EVENT_READ)

    for _ in range(count):
        open_one()
    end = time.time() + seconds
    closed = 0
    next_byte = time.time()
    while time.time() < end:
        for key, _ in sel.select(timeout=0.2):
            s = key.fileobj
            try:
                data = s.recv(4096)
            except OSError:
                data = b""
            if not data:
                sel.unregister(s)
                s.close()
                del clients[s]
                closed += 1
                open_one()
        if time.time() >= next_byte:
            next_byte += 5
            for s, sent in list(clients.items()):
                try:
                    s.send(head[sent:sent + 1])
                    clients[s] = sent + 1
                except OSError:
                    pass
    print(f"slow: {count} connections held for {seconds} s; the server closed {closed}"
          f" (each reopened at once)")


def probe(host, port, source, seconds):
    worst, failures, n = 0.0, 0, 0
    end = time.time() + seconds
    while time.time() < end:
        start = time.time()
        try:
            s = connect(host, port, source)
            s.settimeout(5)
            s.sendall(b"GET / HTTP/1.1\r\nHost: x\r\nConnection: close\r\n\r\n")
            data = b""
            while True:
                chunk = s.recv(65536)
                if not chunk:
                    break
                data += chunk
            s.close()
            ok = data.startswith(b"HTTP/1.1 200")
        except OSError:
            ok = False
        took = time.time() - start
        n += 1
        if not ok or took >= 1.0:
            failures += 1
        worst = max(worst, took)
        time.sleep(max(0.0, 1.0 - took))
    print(f"probe from {source}: {n} gets of the index, {failures} failed or slower than 1 s,"
          f" slowest {worst * 1000:.0f} ms")


def body(host, port, size):
    s = connect(host, port)
    s.sendall(b"POST / HTTP/1.1\r\nHost: x\r\nContent-Length: %d\r\n\r\n" % size)
    chunk = b"\0" * 65536
    sent = 0
    s.settimeout(10)
    try:
        while sent < size:
            sent += s.send(chunk[:min(len(chunk), size - sent)])
    except OSError:
        pass
    try:
        answer = s.recv(200).split(b"\r\n")[0].decode()
    except OSError:
        answer = "(no answer)"
    print(f"body of {size} bytes: sent {sent} before the server stopped reading; answer: {answer}")


def header(host, port, size):
    s = connect(host, port)
    s.sendall(b"GET / HTTP/1.1\r\nHost: x\r\nX-Long: ")
    chunk = b"a" * 65536
    sent = 0
    s.settimeout(10)
    try:
        while sent < size:
            sent += s.send(chunk)
    except OSError:
        pass
    try:
        answer = s.recv(200).split(b"\r\n")[0].decode()
    except OSError:
        answer = "(no answer)"
    print(f"header line of {size} bytes: sent {sent}; answer: {answer}")


def pipeline(host, port, count, seconds):
    s = connect(host, port)
    s.setblocking(False)
    one = b"GET /list/bbpr HTTP/1.1\r\nHost: x\r\n\r\n"
    data = one * count
    sent = 0
    end = time.time() + seconds
    while time.time() < end and sent < len(data):
        try:
            sent += s.send(data[sent:])
        except BlockingIOError:
            time.sleep(0.05)
        except OSError:
            break
    time.sleep(max(0.0, end - time.time()))
    print(f"pipeline: {sent // len(one)} of {count} requests"
          f" taken by the server while nothing was read")


def main():
    if len(sys.argv) > 1 and sys.argv[1] in ("-h", "--help"):
        print("Usage: tools/live-clients.py MODE HOST PORT ...\n" + __doc__)
        return
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    mode, host, port = sys.argv[1], sys.argv[2], int(sys.argv[3])
    rest = sys.argv[4:]
    if mode == "slow":
        slow(host, port, int(rest[0]), float(rest[1]))
    elif mode == "probe":
        probe(host, port, rest[0], float(rest[1]))
    elif mode == "body":
        body(host, port, int(rest[0]))
    elif mode == "header":
        header(host, port, int(rest[0]))
    elif mode == "pipeline":
        pipeline(host, port, int(rest[0]), float(rest[1]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
