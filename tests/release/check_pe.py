#!/usr/bin/env python3
"""Checks a built elibcopy.exe the way the release needs it to be.

Usage: check_pe.py PROGRAM (i386|x86_64)

- the machine type, and the GUI subsystem at a version Windows 7 (6.1) accepts;
- ASLR (DYNAMIC_BASE) and DEP (NX_COMPAT) on;
- imports only from system DLLs, and none of the functions Windows 7 lacks;
- a manifest asking for Common Controls 6 and asInvoker, the icon DEFAULT_ICON
  with 48, 32 and 16 pixel images at 32 bits, and a version resource.
"""
import struct
import sys

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "comctl32.dll", "comdlg32.dll",
               "advapi32.dll", "msvcrt.dll", "shell32.dll"}
# Functions newer than Windows 7 that must only ever be looked up at run time.
NEWER_THAN_WINDOWS_7 = {"SetDefaultDllDirectories", "AddDllDirectory", "GetSystemTimePreciseAsFileTime",
                        "CreateFile2", "SetThreadDescription",
                        "GetDpiForWindow", "SetProcessDpiAwarenessContext", "PathCchCombine"}
MACHINES = {"i386": 0x14C, "x86_64": 0x8664}
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24

failures = []


def check(condition, message):
    print(("ok   " if condition else "FAIL ") + message)
    if not condition:
        failures.append(message)


class Pe:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        self.subsystem_version = struct.unpack_from("<HH", data, opt + 48)
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", data, opt + 68)
        directories = opt + (96 if self.magic == 0x10B else 112)
        self.dirs = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        table = opt + optional_size
        self.sections = []
        for i in range(sections):
            _, vsize, vaddr, rsize, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((vaddr, max(vsize, rsize), raw))

    def offset(self, rva):
        for vaddr, size, raw in self.sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + raw
        raise ValueError("rva outside sections: %x" % rva)

    def cstring(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("latin-1")

    def imports(self):
        result = {}
        rva = self.dirs[1][0]
        if not rva:
            return result
        at = self.offset(rva)
        wide = self.magic == 0x20B
        while True:
            lookup, _, _, name, thunk = struct.unpack_from("<IIIII", self.data, at)
            if name == 0:
                break
            names = []
            entry = self.offset(lookup or thunk)
            while True:
                value = struct.unpack_from("<Q" if wide else "<I", self.data, entry)[0]
                if value == 0:
                    break
                if not value >> (63 if wide else 31):
                    names.append(self.cstring((value & 0x7FFFFFFF) + 2))
                entry += 8 if wide else 4
            result[self.cstring(name).lower()] = names
            at += 20
        return result

    def resources(self):
        """Yields (type, name, language, bytes); names are ids or strings."""
        base_rva = self.dirs[2][0]
        if not base_rva:
            return
        base = self.offset(base_rva)

        def entries(at):
            named, ids = struct.unpack_from("<HH", self.data, at + 12)
            for i in range(named + ids):
                name, target = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
                if name & 0x80000000:
                    s = base + (name & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, s)[0]
                    name = self.data[s + 2:s + 2 + 2 * length].decode("utf-16-le")
                yield name, target

        for rtype, t in entries(base):
            for rname, n in entries(base + (t & 0x7FFFFFFF)):
                for lang, leaf in entries(base + (n & 0x7FFFFFFF)):
                    rva, size = struct.unpack_from("<II", self.data, base + leaf)[:2]
                    at = self.offset(rva)
                    yield rtype, rname, lang, self.data[at:at + size]


def main():
    path, arch = sys.argv[1], sys.argv[2]
    pe = Pe(open(path, "rb").read())
    print("checking", path)
    check(pe.machine == MACHINES[arch], "machine is %s" % arch)
    check(pe.subsystem == 2, "GUI subsystem")
    check(pe.subsystem_version <= (6, 1), "subsystem version %d.%d starts on Windows 7" % pe.subsystem_version)
    check(pe.dll_characteristics & 0x40, "DYNAMIC_BASE (ASLR)")
    check(pe.dll_characteristics & 0x100, "NX_COMPAT (DEP)")
    imports = pe.imports()
    check(set(imports) <= SYSTEM_DLLS, "imports system DLLs only: %s" % ", ".join(sorted(imports)))
    newer = sorted(n for names in imports.values() for n in names if n in NEWER_THAN_WINDOWS_7)
    check(not newer, "imports nothing Windows 7 lacks %s" % (newer or ""))

    resources = list(pe.resources())
    manifests = [r[3] for r in resources if r[0] == RT_MANIFEST]
    check(len(manifests) == 1 and b"Microsoft.Windows.Common-Controls" in manifests[0]
          and b'version="6.0.0.0"' in manifests[0] and b"asInvoker" in manifests[0],
          "manifest: Common Controls 6, asInvoker")
    check(manifests and b"35138b9a-5d96-4fbd-8e2d-a2440225f93a" in manifests[0], "manifest lists Windows 7")
    groups = [r for r in resources if r[0] == RT_GROUP_ICON and r[1] == "DEFAULT_ICON"]
    check(len(groups) == 1, "icon group DEFAULT_ICON present")
    if groups:
        data = groups[0][3]
        count = struct.unpack_from("<H", data, 4)[0]
        images = [struct.unpack_from("<BBBBHHIH", data, 6 + 14 * i) for i in range(count)]
        sizes = sorted((w or 256, bits) for w, _, _, _, _, bits, _, _ in images)
        check(sizes == [(16, 32), (32, 32), (48, 32)], "DEFAULT_ICON has 48, 32 and 16 at 32 bits: %s" % sizes)
    check(any(r[0] == RT_VERSION for r in resources), "version resource")
    if failures:
        print("%d release check(s) failed" % len(failures))
        sys.exit(1)


if __name__ == "__main__":
    main()
