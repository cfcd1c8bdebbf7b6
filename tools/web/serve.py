#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 quivelle team
# SPDX-License-Identifier: GPL-3.0-or-later

"""Serves the web build's site on this computer only, as a school's web server would.

    serve.py SITE_DIR [PORT]      (PORT 0, the default, takes a free one)

Prints the address on its first line. Files the build left precompressed beside the
originals (name.br, name.gz) are sent instead when the browser accepts them.
"""

import functools
import http.server
import os
import sys

TYPES = {
    ".wasm": "application/wasm",
    ".js": "text/javascript",
    ".mjs": "text/javascript",
    ".html": "text/html; charset=utf-8",
    ".css": "text/css",
    ".webmanifest": "application/manifest+json",
    ".json": "application/json",
    ".png": "image/png",
    ".txt": "text/plain; charset=utf-8",
}
ENCODINGS = (("br", ".br"), ("gzip", ".gz"))


class SiteHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, **TYPES}

    def send_head(self):
        path = self.translate_path(self.path)
        accepted = self.headers.get("Accept-Encoding", "")
        if os.path.isfile(path):
            for encoding, suffix in ENCODINGS:
                if encoding in accepted and os.path.isfile(path + suffix):
                    return self.send_file(path + suffix, self.guess_type(path), encoding)
        return super().send_head()

    def send_file(self, path, content_type, encoding):
        f = open(path, "rb")
        self.send_response(200)
        self.send_header("Content-Type", content_type)
        self.send_header("Content-Encoding", encoding)
        self.send_header("Content-Length", str(os.fstat(f.fileno()).st_size))
        self.end_headers()
        return f

    def end_headers(self):
        # Every visit asks again; the service worker keeps the copy for offline use.
        self.send_header("Cache-Control", "no-cache")
        self.send_header("Vary", "Accept-Encoding")
        super().end_headers()

    def log_message(self, format, *args):
        if os.environ.get("QUIVELLE_SERVE_LOG"):
            super().log_message(format, *args)


class SiteServer(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        # A browser that closes a page while a file is still on its way is no fault.
        if isinstance(sys.exc_info()[1], (BrokenPipeError, ConnectionResetError)):
            return
        super().handle_error(request, client_address)


def main():
    site = sys.argv[1]
    port = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    handler = functools.partial(SiteHandler, directory=site)
    with SiteServer(("127.0.0.1", port), handler) as server:
        print(f"http://127.0.0.1:{server.server_address[1]}/", flush=True)
        try:
            server.serve_forever()
        except KeyboardInterrupt:
            pass


if __name__ == "__main__":
    main()
