"""The programs the browser tests start, each ending with the test however the test ends (the
kernel signals it when the test's process dies, killed too), and a virtual X server for the
browsers that need a display."""
import ctypes
import os
import signal
import socket
import subprocess
import time

_PR_SET_PDEATHSIG = 1


def child(args, **kwargs):
    """Starts `args`, to be sent SIGTERM as soon as this process ends."""
    parent = os.getpid()

    def die_with_parent():
        ctypes.CDLL(None).prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)
        if os.getppid() != parent:  # the test ended before the call above took hold
            os._exit(1)

    return subprocess.Popen(args, preexec_fn=die_with_parent, **kwargs)


def stop(process, timeout=20):
    if process.poll() is None:
        process.terminate()
        try:
            process.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def free_port():
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        return probe.getsockname()[1]


def wait_for_port(port, process, what, seconds=30):
    deadline = time.time() + seconds
    while time.time() < deadline and process.poll() is None:
        with socket.socket() as probe:
            if probe.connect_ex(("127.0.0.1", port)) == 0:
                return
        time.sleep(0.05)
    raise RuntimeError("%s did not start listening on port %d" % (what, port))


class Xvfb:
    """A virtual X server of its own, which outlives its last client (-noreset). A GTK browser on
    it ends when it ends."""

    def __init__(self, size="1600x1200x24"):
        read, write = os.pipe()
        self.process = child(["Xvfb", "-displayfd", str(write), "-screen", "0", size, "-nolisten", "tcp",
                              "-noreset"], pass_fds=(write,), stdin=subprocess.DEVNULL,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as displayfd:
            number = displayfd.readline().strip()
        if not number:
            stop(self.process)
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number

    def stop(self):
        stop(self.process)
