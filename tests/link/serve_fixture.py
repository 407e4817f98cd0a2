# Serves a fixture folder on 127.0.0.1 for the downloader's tests; started by
# the test program itself. GET /quit ends it, and it ends on its own after a
# while in case the test never asks. Paths under /bad/ misbehave as their
# first segment says (/bad/silent/Firmware is as silent as /bad/silent), so
# that the downloader's failure rules can be shown, also for a page that asks
# for a name below a server address.
import functools
import gzip
import http.server
import socket
import struct
import sys
import threading
import time

port = int(sys.argv[1])
root = sys.argv[2]
lifetime = float(sys.argv[3]) if len(sys.argv) > 3 else 300.0

# How long a silent or stalled answer holds the connection: longer than any
# bound the tests pass, shorter than the test's own time-out.
HOLD_SECONDS = 20


class Handler(http.server.SimpleHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def head(self, status, length=None, extra=()):
        self.send_response(status)
        if length is not None:
            self.send_header("Content-Length", str(length))
        for name, value in extra:
            self.send_header(name, value)
        self.end_headers()

    def hold(self):
        self.wfile.flush()
        time.sleep(HOLD_SECONDS)
        self.close_connection = True

    def raw(self, data):
        self.wfile.write(data)
        self.wfile.flush()
        self.close_connection = True

    def until_client_goes(self, data):
        # A byte every quarter second for as long as the client listens.
        deadline = time.time() + lifetime
        i = 0
        while time.time() < deadline:
            self.wfile.write(data[i % len(data) : i % len(data) + 1])
            self.wfile.flush()
            i += 1
            time.sleep(0.25)
        self.close_connection = True

    def bad(self, what):
        body = bytes((65 + i % 23 for i in range(4000)))
        five = bytes((65 + i % 23 for i in range(5000)))
        if what == "xyzzy":  # a status line that is not HTTP
            self.raw(b"XYZZY 200 OK\r\nContent-Length: 5000\r\n\r\n" + five)
        elif what == "http2":  # a version this client never asked for
            self.raw(b"HTTP/2 200 OK\r\nContent-Length: 5000\r\n\r\n" + five)
        elif what == "gzip":  # a compressed body the request never asked for
            packed = gzip.compress(five)
            self.head(200, len(packed), [("Content-Encoding", "gzip")])
            self.wfile.write(packed)
        elif what == "two-lengths":  # two lengths that disagree
            self.raw(b"HTTP/1.1 200 OK\r\nContent-Length: 5000\r\nContent-Length: 100000\r\n\r\n" + five)
        elif what == "negative-length":
            self.raw(b"HTTP/1.1 200 OK\r\nContent-Length: -1\r\n\r\n" + five)
        elif what == "nan-length":
            self.raw(b"HTTP/1.1 200 OK\r\nContent-Length: many\r\n\r\n" + five)
        elif what == "trickle-head":  # the status line and headers a byte at a time, for ever
            self.until_client_goes(b"HTTP/1.1 200 OK\r\nX-Slow: " + b"s" * 4000)
        elif what == "short":  # promises 4000 bytes, sends 1000, closes
            self.head(200, 4000)
            self.wfile.write(body[:1000])
            self.close_connection = True
        elif what == "reset":  # resets the connection mid-body
            self.head(200, 4000)
            self.wfile.write(body[:1500])
            self.wfile.flush()
            self.connection.setsockopt(socket.SOL_SOCKET, socket.SO_LINGER, struct.pack("ii", 1, 0))
            self.connection.close()
            self.close_connection = True
        elif what == "chunked-cut":  # chunked, the final chunk never comes
            self.head(200, None, [("Transfer-Encoding", "chunked")])
            self.wfile.write(b"3e8\r\n" + body[:1000] + b"\r\n")
            self.close_connection = True
        elif what == "chunked":  # chunked and complete, though the request was HTTP/1.0
            self.head(200, None, [("Transfer-Encoding", "chunked")])
            self.wfile.write(b"3e8\r\n" + body[:1000] + b"\r\n" + b"3e8\r\n" + body[1000:2000] + b"\r\n0\r\n\r\n")
        elif what == "silent":  # accepts the request and says nothing
            self.hold()
        elif what == "stall":  # sends part of the body, then nothing
            self.head(200, 4000)
            self.wfile.write(body[:1000])
            self.hold()
        elif what == "trickle":  # a byte now and then, never stalling long enough
            self.head(200, 4000)
            for i in range(HOLD_SECONDS * 4):
                self.wfile.write(body[i : i + 1])
                self.wfile.flush()
                time.sleep(0.25)
            self.close_connection = True
        elif what == "loop":  # redirects to itself
            self.head(302, 0, [("Location", "/bad/loop")])
        elif what == "redirect":  # one relative redirect to a real file
            self.head(302, 0, [("Location", "/image3000.img")])
        elif what == "no-location":
            self.head(302, 0)
        elif what == "204":
            self.head(204)
        elif what == "206":
            self.head(206, 1000, [("Content-Range", "bytes 0-999/4000")])
            self.wfile.write(body[:1000])
        elif what == "empty":
            self.head(200, 0)
        elif what == "huge":  # announces more than any int can count
            self.head(200, 3000000000)
            self.wfile.write(body[:1000])
            self.close_connection = True
        elif what.startswith("exact-"):  # a body of exactly n bytes, announced as such
            n = int(what[6:])
            data = bytes((65 + i % 23 for i in range(n)))
            self.head(200, n)
            self.wfile.write(data)
        elif what.startswith("unannounced-"):  # n bytes, then the close ends them
            n = int(what[12:])
            self.head(200)
            self.wfile.write(bytes((65 + i % 23 for i in range(n))))
            self.close_connection = True
        else:
            self.head(404, 0)

    def do_GET(self):
        if self.path == "/quit":
            self.head(200, 3)
            self.wfile.write(b"bye")
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return
        if self.path.startswith("/late/"):  # the same file, its first byte after 2.5 seconds
            time.sleep(2.5)
            self.path = self.path[5:]
        if self.path.endswith(".trickle"):  # any file of this name: a body a byte at a time
            self.path = "/bad/trickle"
        if self.path.startswith("/bad/"):
            try:
                self.bad(self.path[5:].split("/")[0])
            except OSError:
                self.close_connection = True
            return
        super().do_GET()

    def log_message(self, *args):
        pass


class Server(http.server.ThreadingHTTPServer):
    daemon_threads = True


server = Server(("127.0.0.1", port), functools.partial(Handler, directory=root))
timer = threading.Timer(lifetime, server.shutdown)
timer.daemon = True
timer.start()
server.serve_forever()
