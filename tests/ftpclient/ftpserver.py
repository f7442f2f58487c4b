#!/usr/bin/python3
"""A throw-away FTP server on loopback for the FTP client's tests and benchmark.

  ftpserver.py start STATEFILE   starts the server in the background and returns
                                 once it listens; STATEFILE then holds key=value
                                 lines: pid, port, root, log, user, password
  ftpserver.py stop STATEFILE    stops it and removes its root folder
  ftpserver.py serve STATEFILE   runs in the foreground (what start runs)

Every command the server receives is appended to the log file, one per line,
with the password hidden, so tests can see what reached the server.
The server ends by itself after an hour, so a lost one never lingers.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

USER = "qv user"
PASSWORD = "p@ss:w0rd"
LIFETIME = 3600


def read_state(path):
    state = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            key, _, value = line.rstrip("\n").partition("=")
            state[key] = value
    return state


def serve(state_path):
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer

    root = tempfile.mkdtemp(prefix="qv-ftp-root-")
    log_path = state_path + ".commands"
    open(log_path, "w").close()

    class LoggingHandler(FTPHandler):
        def pre_process_command(self, line, cmd, arg):
            shown = "PASS ******" if cmd == "PASS" else line
            with open(log_path, "a", encoding="utf-8") as log:
                log.write(shown + "\n")
            return super().pre_process_command(line, cmd, arg)

    authorizer = DummyAuthorizer()
    authorizer.add_user(USER, PASSWORD, root, perm="elradfmwMT")
    LoggingHandler.authorizer = authorizer
    LoggingHandler.banner = "qv test server ready"
    server = FTPServer(("127.0.0.1", 0), LoggingHandler)
    port = server.socket.getsockname()[1]

    temp = state_path + ".tmp"
    with open(temp, "w", encoding="utf-8") as f:
        f.write(f"pid={os.getpid()}\nport={port}\nroot={root}\nlog={log_path}\n"
                f"user={USER}\npassword={PASSWORD}\n")
    os.replace(temp, state_path)

    threading.Timer(LIFETIME, lambda: os.kill(os.getpid(), signal.SIGTERM)).start()
    signal.signal(signal.SIGTERM, lambda *_: (shutil.rmtree(root, True), os._exit(0)))
    server.serve_forever(handle_exit=False)


def start(state_path):
    if os.path.exists(state_path):
        os.remove(state_path)
    with open(state_path + ".out", "w") as out:
        subprocess.Popen([sys.executable, os.path.abspath(__file__), "serve", state_path],
                         stdout=out, stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL,
                         start_new_session=True)
    deadline = time.time() + 20
    while time.time() < deadline:
        if os.path.exists(state_path):
            return 0
        time.sleep(0.05)
    sys.stderr.write("the FTP server did not start; see %s.out\n" % state_path)
    return 1


def stop(state_path):
    if not os.path.exists(state_path):
        return 0
    state = read_state(state_path)
    try:
        os.kill(int(state["pid"]), signal.SIGTERM)
    except (ProcessLookupError, KeyError, ValueError):
        pass
    shutil.rmtree(state.get("root", ""), ignore_errors=True)
    os.remove(state_path)
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3 or sys.argv[1] not in ("start", "stop", "serve"):
        sys.stderr.write(__doc__)
        sys.exit(2)
    verb, path = sys.argv[1], os.path.abspath(sys.argv[2])
    if verb == "serve":
        serve(path)
    else:
        sys.exit(start(path) if verb == "start" else stop(path))
