#!/usr/bin/env python3
"""Stand-in update server for the tests and demonstrations.

Serves the files below a folder over HTTP on 127.0.0.1, for example
ROOT/updater/common/config/UpdateTargets.xml and the images it names; a folder URL serves the folder's
index.html.

The first line on stdout is the port (pass --port 0, the default, to get a free one); after it, one line per
request received: "<METHOD> <path>". Options make the server misbehave the way real servers do:

  --auth USER:PASS  every request needs basic authentication with these credentials (401 otherwise)
  --fail            every request is answered with 500
  --stall           every request is accepted and never answered
  --empty           every existing file is served with a 0-byte body
  --malformed       every .xml file is served as broken XML
  --tls CERT KEY    serve https with this certificate and key (PEM files)

Path prefixes only (no option): /_short/ announces the whole length and closes after half the body;
/_nolength/ sends half the body without a length and closes; /_flood/ sends zeros without a length until the
client gives up, /_huge/ the same after announcing 1 GiB; /_redirect/ answers 302 to the rest of the path on
this host; /_offsite/ answers 302 to the rest of the path over plain http on "localhost" (another host name
for the same server). A request naming a whole URL (through a proxy) is served by its path.

A path starting with /_fail/, /_stall/, /_empty/ or /_malformed/ gets that behaviour for this one request and is
otherwise served as the rest of the path, so one server can play every part (starting Python is the slow bit).

Python 3 standard library only.
"""

import argparse
import base64
import http.server
import os
import re
import ssl
import sys
import threading

MODE_PREFIX = re.compile(r"^/_(fail|stall|empty|malformed|short|nolength|flood|huge|redirect|offsite)(/.*)$")
BROKEN_XML = b'<?xml version="1.0"?>\n<Targets>\n  <Family Name="Tessitra" FamilyID="0x60">\n    <Product <<\n'


def make_handler(options):
    root = os.path.abspath(options.root)
    expected_auth = None
    if options.auth:
        expected_auth = "Basic " + base64.b64encode(options.auth.encode("utf-8")).decode("ascii")
    never = threading.Event()

    class Handler(http.server.BaseHTTPRequestHandler):
        server_version = "TessitraUpdateServer/1.0"

        def log_message(self, format, *args):  # noqa: A002 - keep stderr quiet; requests go to stdout
            pass

        def _answer(self, status, body, content_type="application/octet-stream", extra_headers=None):
            self.send_response(status)
            self.send_header("Content-Type", content_type)
            self.send_header("Content-Length", str(len(body)))
            for name, value in (extra_headers or {}).items():
                self.send_header(name, value)
            self.end_headers()
            if self.command != "HEAD" and body:
                self.wfile.write(body)

        def _serve(self):
            print(f"{self.command} {self.path}", flush=True)
            request_path = self.path.split("?", 1)[0]
            request_path = re.sub(r"^https?://[^/]*", "", request_path) or "/"
            modes = {name for name in ("fail", "stall", "empty", "malformed") if getattr(options, name)}
            prefixed = MODE_PREFIX.match(request_path)
            if prefixed:
                modes.add(prefixed.group(1))
                request_path = prefixed.group(2)

            if "stall" in modes:
                never.wait()
                return
            if expected_auth is not None and self.headers.get("Authorization") != expected_auth:
                self._answer(401, b"authentication required", "text/plain",
                             {"WWW-Authenticate": 'Basic realm="Tessitra updates"'})
                return
            if "fail" in modes:
                self._answer(500, b"internal error", "text/plain")
                return
            if misbehave_before(self, modes, request_path):
                return

            relative = request_path.lstrip("/")
            path = os.path.abspath(os.path.join(root, relative))
            if os.path.isdir(path):
                path = os.path.join(path, "index.html")
            if not (path == root or path.startswith(root + os.sep)) or not os.path.isfile(path):
                self._answer(404, b"not found", "text/plain")
                return
            if "empty" in modes:
                body = b""
            elif "malformed" in modes and path.endswith(".xml"):
                body = BROKEN_XML
            else:
                with open(path, "rb") as handle:
                    body = handle.read()
            if not misbehave_with(self, modes, body):
                self._answer(200, body, "application/xml" if path.endswith(".xml") else "application/octet-stream")

        def do_GET(self):  # noqa: N802 - name fixed by http.server
            self._serve()

        def do_HEAD(self):  # noqa: N802
            self._serve()

    return Handler


def misbehave_before(handler, modes, request_path):
    """Redirects, answered before any file is looked up. True when the request was answered."""
    if "redirect" in modes or "offsite" in modes:
        port = handler.server.server_address[1]
        scheme = "https" if isinstance(handler.connection, ssl.SSLSocket) else "http"
        base = f"http://localhost:{port}" if "offsite" in modes else f"{scheme}://127.0.0.1:{port}"
        handler._answer(302, b"<html>moved</html>", "text/html", {"Location": base + request_path})
        return True
    return False


def misbehave_with(handler, modes, body):
    """Bodies cut short or without end. True when the request was answered."""
    if not modes & {"short", "nolength", "flood", "huge"}:
        return False
    handler.send_response(200)
    handler.send_header("Content-Type", "application/octet-stream")
    if "short" in modes or "huge" in modes:
        handler.send_header("Content-Length", str(len(body) if "short" in modes else 1 << 30))
    handler.send_header("Connection", "close")
    handler.end_headers()
    try:
        if "flood" in modes or "huge" in modes:
            chunk = bytes(65536)
            for _ in range(16384):  # 1 GiB at most, should the client never give up
                handler.wfile.write(chunk)
        else:
            handler.wfile.write(body[: len(body) // 2])
        handler.wfile.flush()
    except OSError:
        pass
    handler.close_connection = True
    return True


def main():
    parser = argparse.ArgumentParser(description="Stand-in update server")
    parser.add_argument("--root", default=".", help="folder served as /")
    parser.add_argument("--port", type=int, default=0, help="port on 127.0.0.1; 0 picks a free one")
    parser.add_argument("--auth", metavar="USER:PASS", help="require basic authentication")
    parser.add_argument("--fail", action="store_true", help="answer every request with 500")
    parser.add_argument("--stall", action="store_true", help="accept requests and never answer")
    parser.add_argument("--empty", action="store_true", help="serve 0-byte files")
    parser.add_argument("--malformed", action="store_true", help="serve broken XML for .xml files")
    parser.add_argument("--tls", nargs=2, metavar=("CERT", "KEY"), help="serve https")
    options = parser.parse_args()

    server = http.server.ThreadingHTTPServer(("127.0.0.1", options.port), make_handler(options))
    if options.tls:
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(options.tls[0], options.tls[1])
        server.socket = context.wrap_socket(server.socket, server_side=True)
    server.daemon_threads = True
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    return 0


if __name__ == "__main__":
    sys.exit(main())
