"""nginx serving the page as a school's server does: Debian's nginx with its defaults for static
files (its MIME types, ETag and Last-Modified, no Cache-Control), on a free port of 127.0.0.1,
from a configuration, pid file and logs of its own in the test's folder. It is the test's child
(daemon off) and ends with it. Started as root, its workers run as www-data, as a school's do:
every folder down to the one served must be readable and searchable by them."""
import os
import pathlib
import shutil

import processes

CONFIG = """
daemon off;
worker_processes 1;
pid {work}/nginx.pid;
error_log {work}/error.log;
{user}
events {{ worker_connections 64; }}
http {{
    include /etc/nginx/mime.types;
    default_type application/octet-stream;
    sendfile on;
    log_format requests '$request_method $uri $status $body_bytes_sent';
    access_log {work}/access.log requests;
    client_body_temp_path {work}/temp/body;
    proxy_temp_path {work}/temp/proxy;
    fastcgi_temp_path {work}/temp/fastcgi;
    uwsgi_temp_path {work}/temp/uwsgi;
    scgi_temp_path {work}/temp/scgi;
    {gzip}
    server {{
        listen 127.0.0.1:{port};
        root {root};
        index index.html;
        # Offline: the connection closes unanswered, as with no network.
        if (-f {work}/offline) {{ return 444; }}
        {extra}
    }}
}}
"""


class Nginx:
    def __init__(self, root, work, extra="", gzip=False):
        self.work = pathlib.Path(work)
        shutil.rmtree(self.work, ignore_errors=True)
        (self.work / "temp").mkdir(parents=True)
        as_root = os.geteuid() == 0
        readable_by_all(pathlib.Path(root))
        self.port = processes.free_port()
        (self.work / "nginx.conf").write_text(CONFIG.format(
            work=self.work, root=root, port=self.port, extra=extra,
            user="user www-data;" if as_root else "",
            gzip="gzip on; gzip_types application/javascript application/manifest+json;" if gzip else ""))
        self.process = processes.child(["nginx", "-c", str(self.work / "nginx.conf"), "-e", str(self.work / "error.log")],
                                       stdin=processes.subprocess.DEVNULL, stdout=processes.subprocess.DEVNULL,
                                       stderr=processes.subprocess.DEVNULL)
        try:
            processes.wait_for_port(self.port, self.process, "nginx")
        except RuntimeError:
            self.stop()
            raise RuntimeError("nginx did not start: " + (self.work / "error.log").read_text()[-2000:])
        self.url = "http://127.0.0.1:%d/" % self.port

    def offline(self, gone=True):
        flag = self.work / "offline"
        if gone:
            flag.touch()
        elif flag.exists():
            flag.unlink()

    def requests(self):
        """What was asked since the last call: (method, path, status, body bytes)."""
        log = self.work / "access.log"
        lines = log.read_text().splitlines() if log.exists() else []
        seen = getattr(self, "_seen", 0)
        self._seen = len(lines)
        return [(m, p, int(s), int(b)) for m, p, s, b in (line.split(" ") for line in lines[seen:])]

    def stop(self):
        processes.stop(self.process)

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.stop()


def readable_by_all(folder):
    """Makes what is served readable by nginx's workers, and checks the folders above it."""
    for path in [folder] + list(folder.rglob("*")):
        path.chmod(0o755 if path.is_dir() else 0o644)
    for parent in folder.resolve().parents:
        if not parent.stat().st_mode & 0o001:
            raise RuntimeError("%s is not searchable by nginx's workers (www-data)" % parent)
