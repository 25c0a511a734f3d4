#!/usr/bin/env python3
"""Writes the seed inputs of the page fuzz target into corpus/.

An input is two check box values (signed bytes), then the texts in the order
of the record's eighteen fields, the two birthday boxes and the date. Each
text is a two-byte little-endian header, whose top bit chooses UTF-16
(little-endian) over UTF-8 and whose other fifteen bits give the length in
bytes, followed by that many bytes.
"""
import os
import shutil
import struct

FIELDS = [
    "FirstName", "MiddleInitial", "LastName", "SpouseFirstName",
    "SpouseMiddleInitial", "SpouseLastName", "Street", "City", "State", "Zip",
    "EMail", "DayPhone", "EveningPhone", "MembershipType", "Birthday",
    "SpouseBirthday", "WebPage", "PrimaryOS", "memberBirthday",
    "spouseBirthday", "date",
]

SAMPLE = {
    "FirstName": "John", "MiddleInitial": "Q", "LastName": "Public",
    "SpouseFirstName": "Jane", "SpouseMiddleInitial": "R",
    "SpouseLastName": "Public", "Street": "12 Mesquite Rd",
    "City": "Copper Wash City", "State": "AZ", "Zip": "85917",
    "EMail": "jqp@example.com", "DayPhone": "555-0100",
    "EveningPhone": "555-0199", "MembershipType": "New",
    "Birthday": "01/02/1960", "SpouseBirthday": "03/04/1962",
    "WebPage": "www.example.com", "PrimaryOS": "Linux",
    "memberBirthday": "01/02/1960", "spouseBirthday": "03/04/1962",
    "date": "March 05, 2026",
}


def utf8(data):
    if isinstance(data, str):
        data = data.encode("utf-8", "surrogatepass")
    return struct.pack("<H", len(data)) + data


def utf16(data):
    if isinstance(data, str):
        data = data.encode("utf-16-le", "surrogatepass")
    return struct.pack("<H", 0x8000 | len(data)) + data


def record(checks=(1, 1), encode=utf8, **changes):
    values = dict(SAMPLE, **changes)
    return struct.pack("<bb", *checks) + b"".join(encode(values[name]) for name in FIELDS)


def every(text, encode=utf8, checks=(1, 1)):
    return struct.pack("<bb", *checks) + b"".join(encode(text) for _ in FIELDS)


SEEDS = {
    "one-byte": b"\x00",
    "checks-only": struct.pack("<bb", 0, 2),
    "sample-record": record(),
    "sample-record-utf16": record(encode=utf16),
    "both-refused": record(checks=(0, 0)),
    "both-greyed": record(checks=(2, 2)),
    "refused-and-granted": record(checks=(0, 1)),
    "checks-out-of-range": record(checks=(-128, 127)),
    "no-spouse": record(SpouseFirstName="", SpouseMiddleInitial="", SpouseLastName=""),
    "renewal": record(MembershipType="Renewal"),
    "all-empty": every(""),
    "all-spaces": every("   "),
    "long-street": record(Street="1234 " + "Very Long Desert Road " * 20),
    "wide-letters": every("W" * 120),
    "line-breaks-and-tabs": every("a\nb\rc\td\fe\x0bf"),
    "embedded-nul": every(b"nul\x00inside"),
    "invalid-utf8": every(b"\xff\xfe\xc0\xaf\xe2\x82\xed\xa0\x80\xf4\x90\x80\x80"),
    "truncated-utf8": every(b"caf\xc3"),
    "lone-surrogates-utf16": every(b"\x00\xd8A\x00\x00\xdcB\x00", encode=utf16),
    "odd-length-utf16": every(b"A\x00B\x00C", encode=utf16),
    "byte-order-marks": every("\ufeffBOM\ufffe"),
    "right-to-left": every("\u05e9\u05dc\u05d5\u05dd \u0645\u0631\u062d\u0628\u0627"),
    "bidi-overrides": every("\u202eevil\u202c \u2066iso\u2069"),
    "combining-marks": every("e" + "\u0301\u0323\u0308" * 30),
    "emoji-and-joiners": every("\U0001F468\u200d\U0001F469\u200d\U0001F467 \U0001F1FA\U0001F1F8"),
    "cjk-and-fullwidth": every("\u7530\u4e2d\u592a\u90ce \uff34\uff26\uff23\uff23"),
    "soft-hyphens-and-spaces": every("in\u00adter\u00adna\u00adtion\u00a0al\u2028next\u2029"),
    "control-characters": every(bytes(range(1, 32))),
    "length-past-end": struct.pack("<bb", 1, 1) + struct.pack("<H", 0x7fff) + b"short",
    "utf16-length-past-end": struct.pack("<bb", 1, 0) + struct.pack("<H", 0xffff) + b"s\x00",
    "format-placeholders": every("%1 %2 %L1 %% %n"),
    "markup-like": every("<b>bold</b> &amp; <img src=x>"),
    "private-use-and-noncharacters": every("\ue000\uf8ff\ufdd0\U0010ffff"),
}


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    for name, data in sorted(SEEDS.items()):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
