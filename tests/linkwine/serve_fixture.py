# Serves a fixture folder on 127.0.0.1 for the downloader's tests; started by
# the test program itself. GET /quit ends it, and it ends on its own after a
# while in case the test never asks.
import functools
import http.server
import sys
import threading

port = int(sys.argv[1])
root = sys.argv[2]
lifetime = float(sys.argv[3]) if len(sys.argv) > 3 else 300.0


class Handler(http.server.SimpleHTTPRequestHandler):
    def do_GET(self):
        if self.path == "/quit":
            self.send_response(200)
            self.send_header("Content-Length", "3")
            self.end_headers()
            self.wfile.write(b"bye")
            threading.Thread(target=self.server.shutdown, daemon=True).start()
            return
        super().do_GET()

    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", port), functools.partial(Handler, directory=root))
timer = threading.Timer(lifetime, server.shutdown)
timer.daemon = True
timer.start()
server.serve_forever()
