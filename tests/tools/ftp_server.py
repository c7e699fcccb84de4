"""Local FTP server for the upload tests.

Usage: ftp_server.py ROOT [PERM]
Serves ROOT on 127.0.0.1 at a free port to the user "bq" (password
"s3cret", pyftpdlib permissions PERM, all by default) and prints "PORT n" as its first line once it listens.
"""
import logging
import sys

try:
    from pyftpdlib.authorizers import DummyAuthorizer
    from pyftpdlib.handlers import FTPHandler
    from pyftpdlib.servers import FTPServer
except ImportError:
    print("MISSING python3-pyftpdlib is not installed", flush=True)
    sys.exit(3)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit("usage: ftp_server.py ROOT [PERM]")
    perm = sys.argv[2] if len(sys.argv) == 3 else "elradfmwMT"
    authorizer = DummyAuthorizer()
    authorizer.add_user("bq", "s3cret", sys.argv[1], perm=perm)
    handler = FTPHandler
    handler.authorizer = authorizer
    # A wrong password is answered at once rather than after pyftpdlib's
    # default 3 s, which would slow the tests down.
    handler.auth_failed_timeout = 0.05
    server = FTPServer(("127.0.0.1", 0), handler)
    print("PORT %d" % server.address[1], flush=True)
    # Quiet: only problems reach stderr.
    logging.basicConfig(level=logging.WARNING)
    server.serve_forever()


if __name__ == "__main__":
    main()
