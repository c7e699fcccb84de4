"""A stand-in for the Flickr web service, for the upload tests.

Usage: fake_flickr.py STORE [--refuse-login] [--fail-upload N] [--stall-upload]

--refuse-login answers flickr.test.login with HTTP 401; the token "OLD" is
always refused with stat="fail".

Checks every OAuth 1.0a signature itself (written apart from the client, so
that a mistake in the client's base string is not mirrored here) with the
consumer key "k" and secret "s". Request token RT/RTS, verifier
"123-456-789", access token AT/ATS. Photos are written into STORE under
their names. Prints "PORT n" first, then one line per request:
"REQ <path> sig=ok|bad nonce=new|reused".
"""
import base64
import email
import email.policy
import hashlib
import hmac
import os
import sys
import time
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

KEY, SECRET = "k", "s"
SECRETS = {"": "", "RT": "RTS", "AT": "ATS", "OLD": "OLDS"}  # OLD: a revoked token
VERIFIER = "123-456-789"

args = sys.argv[1:]
STORE = args[0]
REFUSE_LOGIN = "--refuse-login" in args
STALL_UPLOAD = "--stall-upload" in args
FAIL_UPLOAD = int(args[args.index("--fail-upload") + 1]) if "--fail-upload" in args else 0
nonces = set()
uploads = 0


def enc(text):
    return urllib.parse.quote(text, safe="-._~")


def parse_oauth(header):
    if not header or not header.startswith("OAuth "):
        return {}
    params = {}
    for part in header[6:].split(","):
        name, _, value = part.strip().partition("=")
        params[urllib.parse.unquote(name)] = urllib.parse.unquote(value.strip('"'))
    return params


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def check(self, method):
        """Returns the OAuth parameters when the signature holds, else None."""
        url = urllib.parse.urlsplit(self.path)
        oauth = parse_oauth(self.headers.get("Authorization"))
        signature = oauth.pop("oauth_signature", None)
        params = urllib.parse.parse_qsl(url.query, keep_blank_values=True) + list(oauth.items())
        normalised = "&".join(
            "%s=%s" % pair for pair in sorted((enc(n), enc(v)) for n, v in params))
        base_url = "http://%s%s" % (self.headers["Host"], url.path)
        base = "&".join([method, enc(base_url), enc(normalised)])
        token = oauth.get("oauth_token", "")
        key = enc(SECRET) + "&" + enc(SECRETS.get(token, "?"))
        expected = base64.b64encode(
            hmac.new(key.encode(), base.encode(), hashlib.sha1).digest()).decode()
        nonce = oauth.get("oauth_nonce", "")
        reused = nonce in nonces
        nonces.add(nonce)
        fresh = abs(int(oauth.get("oauth_timestamp", "0")) - time.time()) < 600
        good = (signature == expected and oauth.get("oauth_consumer_key") == KEY and fresh
                and oauth.get("oauth_signature_method") == "HMAC-SHA1" and nonce)
        print("REQ %s sig=%s nonce=%s" % (url.path, "ok" if good else "bad",
                                          "reused" if reused else "new"), flush=True)
        return oauth if good and not reused else None

    def reply(self, status, body, kind="text/plain"):
        data = body.encode()
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(data)))
        self.end_headers()
        self.wfile.write(data)

    def do_GET(self):
        oauth = self.check("GET")
        path = urllib.parse.urlsplit(self.path).path
        query = dict(urllib.parse.parse_qsl(urllib.parse.urlsplit(self.path).query))
        if oauth is None:
            return self.reply(401, "oauth_problem=signature_invalid")
        if path == "/services/oauth/request_token" and oauth.get("oauth_callback") == "oob":
            return self.reply(200, "oauth_callback_confirmed=true&oauth_token=RT&oauth_token_secret=RTS")
        if (path == "/services/oauth/access_token" and oauth.get("oauth_token") == "RT"
                and oauth.get("oauth_verifier") == VERIFIER):
            return self.reply(200, "fullname=B%20Q&oauth_token=AT&oauth_token_secret=ATS&user_nsid=1&username=bq")
        if path == "/services/rest/" and query.get("method") == "flickr.test.login":
            if REFUSE_LOGIN:
                return self.reply(401, "oauth_problem=token_rejected")
            if oauth.get("oauth_token") != "AT":
                return self.reply(200, '<rsp stat="fail"><err code="98" msg="Invalid auth token" /></rsp>')
            return self.reply(200, '<rsp stat="ok"><user id="1"><username>bq</username></user></rsp>')
        return self.reply(401, "oauth_problem=token_rejected")

    def do_POST(self):
        global uploads
        oauth = self.check("POST")
        if STALL_UPLOAD:
            time.sleep(3600)
        length = int(self.headers.get("Content-Length", "0"))
        body = self.rfile.read(length)
        if oauth is None or oauth.get("oauth_token") != "AT":
            return self.reply(401, "oauth_problem=signature_invalid")
        uploads += 1
        if uploads == FAIL_UPLOAD:
            return self.reply(200, '<rsp stat="fail"><err code="5" msg="Filetype was not recognised" /></rsp>')
        head = b"Content-Type: " + self.headers["Content-Type"].encode() + b"\r\n\r\n"
        message = email.message_from_bytes(head + body, policy=email.policy.default)
        for part in message.iter_parts():
            if part.get_param("name", header="content-disposition") == "photo":
                name = os.path.basename(part.get_filename())
                with open(os.path.join(STORE, name), "wb") as out:
                    out.write(part.get_payload(decode=True))
                return self.reply(200, '<rsp stat="ok"><photoid>%d</photoid></rsp>' % uploads)
        return self.reply(200, '<rsp stat="fail"><err code="2" msg="No photo specified" /></rsp>')


def main():
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    print("PORT %d" % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
