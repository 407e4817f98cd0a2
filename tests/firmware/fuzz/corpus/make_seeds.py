#!/usr/bin/env python3
"""Writes the seed corpus of the firmware fuzz targets into the folder of this script."""
import hashlib
import os
import struct

os.chdir(os.path.dirname(os.path.abspath(__file__)))


def image(model, sections, name=b"image", corrupt=None):
    count = len(sections)
    data_at = 36 + 32 * count + 312 * count
    header = name[:24].ljust(24, b"\0") + b"\0" * 4 + struct.pack("<II", model, count)
    short, long_, data = b"", b"", b""
    for kind, ident, payload in sections:
        digest = hashlib.md5(payload).digest()
        entry = struct.pack("<IIII", kind, ident, data_at + len(data), len(payload))
        short += entry + digest
        long_ += entry + struct.pack("<II", 1, 2) + b"\0" * 272 + digest
        data += payload
    blob = bytearray(header + short + long_ + data)
    if corrupt is not None:
        blob[corrupt] ^= 0x5A
    return bytes(blob)


def write(folder, name, content):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as out:
        out.write(content)


def payload(size, seed):
    return bytes((seed + i * 7) & 0xFF for i in range(size))


# Container seeds: the first byte picks the reader (see the target), the rest is the file.
write("container", "long-three-sections", b"\x00" + image(0x5510, [(0, 1, payload(300, 1)), (1, 2, payload(40, 2)), (2, 3, payload(90, 3))]))
write("container", "short-name-field", b"\x01" + image(0x4210, [(0, 0, payload(64, 4)), (3, 1, payload(10, 5))], b"abc"))
write("container", "camera-package", b"\x03" + image(0x3020, [(0, 0, payload(120, 6)), (0, 1, payload(80, 7))]))
write("container", "empty", b"\x02" + image(0x2030, []))
write("container", "bad-digest", b"\x00" + image(0x5610, [(0, 0, payload(50, 8))], corrupt=36 + 32 + 296 + 3))

# Firmware index and revision list seeds.
write("index", "single", b"Vel8:V1.2:a.img\nVel8:3\n")
write("index", "variants", b"Other:V9.9:y.img\r\nVel8:V2.0:English:e.img\r\nVel8:V2.0:French:f.img\r\nVel8:7\r\n")
write("index", "camera", b"LENSA:V1.0.1.5:p.img\nLENSA:9")
write("index", "odd-lines", b"\n\n:x\nVel8::a.img\nVel8:V1.0:English:../e.img\nVel8:V1.1:b:c:d.img\nnotes")
write("index", "revisions", b"Vel8:v4.2:English:a.img\nVel8:v4.2:French:b.img\nVel8:v4.2:single.img\n")

# Archive seeds: whole archives as the writer makes them, and broken ones.
archive = (
    "keyManagerVersion=3.7\r\nkeyDeviceRecognized=19728\r\nkeyDeviceName=Rider = One\r\nkeyDeviceVersion=4.2\r\n"
    "keyDeviceSecondaryVersionType=2\r\nkeyDeviceSecondaryVersion=5\r\nkeyDateArchived=11/14/2023 22:13:20\r\n"
    "keyIntercomVOX=1\r\nkeyHandsfreeVOX=0\r\nkeyEDR=1\r\nkeyBasicSettingOrvan01=100\r\nkeyBasicSettingOrvan10=109\r\n"
    "keyBasicSettingZimboCamera03=5\r\nkeyFMRadioRegion=4\r\nkeyFMRadioPreset01=8750\r\nkeySpeedDial01=+4912345\r\n"
    "keySpeedDial03=\r\nkeyRoutecue=1\r\n"
)
write("archive", "written", archive.encode())
write("archive", "edited", b" keyEDR = 7 \n\nkeyFMRadioRegion=9\nkeySpeedDial04=x\nkeyDateArchived=13/40/1800 99:99:99\nA=B=C")
