"""Checks a Mach-O file's ad hoc code signature: the code directory's hash of every page
matches the file, as the phone's loader checks it. Prints why not and exits 1 otherwise.
Usage: code_signature.py FILE"""
import hashlib
import struct
import sys

LC_CODE_SIGNATURE = 0x1D
CODE_DIRECTORY = 0xFADE0C02
EMBEDDED_SIGNATURE = 0xFADE0CC0
HASHES = {1: hashlib.sha1, 2: hashlib.sha256}


def signature_range(data):
    ncmds = struct.unpack_from("<I", data, 16)[0]
    offset = 32
    for _ in range(ncmds):
        cmd, size = struct.unpack_from("<II", data, offset)
        if cmd == LC_CODE_SIGNATURE:
            return struct.unpack_from("<II", data, offset + 8)
        offset += size
    sys.exit("no LC_CODE_SIGNATURE")


def code_directory(data, start):
    magic, _, count = struct.unpack_from(">III", data, start)
    if magic != EMBEDDED_SIGNATURE:
        sys.exit(f"the signature is not an embedded signature: {magic:#x}")
    for i in range(count):
        _, blob = struct.unpack_from(">II", data, start + 12 + 8 * i)
        if struct.unpack_from(">I", data, start + blob)[0] == CODE_DIRECTORY:
            return start + blob
    sys.exit("the signature has no code directory")


def main(path):
    data = open(path, "rb").read()
    start, _ = signature_range(data)
    cd = code_directory(data, start)
    hash_offset, _, _, slots, limit = struct.unpack_from(">IIIII", data, cd + 16)
    hash_size, hash_type, _, page_shift = struct.unpack_from(">BBBB", data, cd + 36)
    if limit != start:
        sys.exit(f"the signature covers {limit} bytes, the code ends at {start}")
    page = 1 << page_shift
    if slots != (limit + page - 1) // page:
        sys.exit(f"{slots} page hashes for {limit} bytes in pages of {page}")
    for i in range(slots):
        stored = data[cd + hash_offset + i * hash_size:][:hash_size]
        actual = HASHES[hash_type](data[i * page:min((i + 1) * page, limit)]).digest()[:hash_size]
        if stored != actual:
            sys.exit(f"page {i} of {slots} does not match its hash")
    print(f"{path}: {slots} pages match the ad hoc signature")


if __name__ == "__main__":
    main(sys.argv[1])
