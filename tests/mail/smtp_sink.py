#!/usr/bin/python3
"""A mail server on this computer for the tests: keeps each message it accepts in a folder.

Usage: smtp_sink.py OUT_DIR [--host HOST] [--drop]

Prints the port it listens on, then serves until killed. Each accepted message becomes
OUT_DIR/N.json (to, subject, text) and OUT_DIR/N.pdf (the attachment). A recipient whose address
holds "refuse" is refused (550). With --drop the connection is closed when the message's data has
arrived, before the server answers it.
"""
import argparse
import asyncio
import email
import email.policy
import json
import os

from aiosmtpd.smtp import SMTP


class Sink:
    def __init__(self, out, drop):
        self.out = out
        self.drop = drop
        self.count = 0

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if "refuse" in address:
            return "550 5.1.1 No such mailbox here"
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        if self.drop:
            server.transport.close()
            return "421 closing"
        message = email.message_from_bytes(envelope.content, policy=email.policy.default)
        self.count += 1
        base = os.path.join(self.out, str(self.count))
        text = ""
        for part in message.walk():
            if part.get_content_type() == "application/pdf":
                with open(base + ".pdf", "wb") as f:
                    f.write(part.get_payload(decode=True))
            elif part.get_content_type() == "text/plain":
                text = part.get_content()
        with open(base + ".json.tmp", "w", encoding="utf-8") as f:
            json.dump({"to": envelope.rcpt_tos, "subject": str(message["subject"]), "text": text}, f)
        os.replace(base + ".json.tmp", base + ".json")
        return "250 2.0.0 Queued as %d" % self.count


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("out")
    parser.add_argument("--host", default="127.0.0.1")
    parser.add_argument("--drop", action="store_true")
    args = parser.parse_args()
    sink = Sink(args.out, args.drop)
    loop = asyncio.new_event_loop()
    server = loop.run_until_complete(
        loop.create_server(lambda: SMTP(sink, hostname="sink"), args.host, 0))
    print(server.sockets[0].getsockname()[1], flush=True)
    loop.run_forever()


if __name__ == "__main__":
    main()
