#!/usr/bin/python3
"""The exported classes' members under the names MSVC-built hosts import them by.

Reads the public headers twice with libclang, once as an MSVC-mode compiler sees them and once
as MinGW g++ does, and pairs every member of every dllexport class across the two by its USR.
From the pairs it writes:
  --def     the library's export list: the plain list given by --plain-def, then each member's
            MSVC name as an alias of its g++ symbol (DATA for static data), or of a constructor
            thunk;
  --thunks  the constructor thunks: MSVC callers expect a constructor to hand back `this`,
            g++ constructors return nothing;
  --names   one line per member: "MSVC-NAME G++-NAME alias|thunk|data", and "- G++-NAME gnu-only"
            for a member only g++ sees.
It stops with a message, and the build with it, on what the two ABIs would disagree about with
no thunk to cover it: a class passed or returned by value, a virtual base, a member template, a
member that only MSVC sees, a header that does not compile for either compiler.
"""
import argparse
import ctypes
import sys

import clang.cindex as ci

K = ci.CursorKind
MEMBER_KINDS = (K.CONSTRUCTOR, K.DESTRUCTOR, K.CXX_METHOD, K.CONVERSION_FUNCTION, K.VAR_DECL)


# libclang's CXString and CXStringSet. The set owns its strings, so they are read with a
# CXString of our own: the binding's disposes of every string it wraps.
class _String(ctypes.Structure):
    _fields_ = [("data", ctypes.c_void_p), ("flags", ctypes.c_uint)]


class _StringSet(ctypes.Structure):
    _fields_ = [("strings", ctypes.POINTER(_String)), ("count", ctypes.c_uint)]


def _bind_libclang():
    lib = ci.conf.lib
    lib.clang_Cursor_getCXXManglings.argtypes = [ci.Cursor]
    lib.clang_Cursor_getCXXManglings.restype = ctypes.POINTER(_StringSet)
    lib.clang_disposeStringSet.argtypes = [ctypes.POINTER(_StringSet)]
    lib.clang_isVirtualBase.argtypes = [ci.Cursor]
    lib.clang_isVirtualBase.restype = ctypes.c_uint
    global _c_string
    _c_string = ctypes.CFUNCTYPE(ctypes.c_char_p, _String)(("clang_getCString", lib))
    return lib



class Failure(Exception):
    pass


def where(cursor):
    loc = cursor.location
    return f"{loc.file.name if loc.file else '?'}:{loc.line}"


class Member:
    def __init__(self, cursor, owner, name):
        self.cursor = cursor
        self.owner = owner
        self.name = name
        self.kind = {K.CONSTRUCTOR: "ctor", K.VAR_DECL: "data"}.get(cursor.kind, "function")


class HeaderView:
    """The exported members of the header as one compiler sees them, keyed by USR."""

    def __init__(self, lib, args, target, header, include_dir, extra):
        self.lib = lib
        self.target = target
        self.include_dir = include_dir
        flags = ["-x", "c++", "-std=c++17", f"--target={target}", "-DQZ_BUILDING_DLL",
                 f"-I{include_dir}", f"-resource-dir={args.resource_dir}"] + extra
        self.tu = ci.Index.create().parse(header, args=flags)
        errors = [d for d in self.tu.diagnostics if d.severity >= ci.Diagnostic.Error]
        if errors:
            raise Failure(f"the public headers do not compile for {target}:\n"
                          + "\n".join(f"  {d.location.file}:{d.location.line}: {d.spelling}" for d in errors))
        # i686 MinGW symbols carry the C prefix underscore; export lists name them without it.
        self.strip_prefix = target.startswith("i686") and "mingw" in target
        self.members = {}
        self.order = []
        self.add_scope(self.tu.cursor)

    def add_scope(self, scope):
        # Only the public headers are looked at: the platform's own may hold declarations this
        # binding does not know.
        for cursor in scope.get_children():
            if not (cursor.location.file and cursor.location.file.name.startswith(self.include_dir)):
                continue
            if cursor.kind == K.NAMESPACE:
                self.add_scope(cursor)
            elif cursor.kind in (K.CLASS_DECL, K.STRUCT_DECL) and cursor.is_definition() and \
                    any(c.kind == K.DLLEXPORT_ATTR for c in cursor.get_children()):
                self.add_class(cursor)

    def add_class(self, cls):
        for child in cls.get_children():
            if child.kind == K.CXX_BASE_SPECIFIER and self.lib.clang_isVirtualBase(child):
                raise Failure(f"{where(child)}: {cls.spelling} has a virtual base; its constructors "
                              "and destructors would differ between the ABIs")
            if child.kind in (K.FUNCTION_TEMPLATE, K.CLASS_TEMPLATE):
                raise Failure(f"{where(child)}: member template {cls.spelling}::{child.spelling} "
                              "has no fixed exported names")
            if child.kind not in MEMBER_KINDS:
                continue
            # Deleted members have no code, pure virtual ones none in this class.
            if child.availability == ci.AvailabilityKind.NOT_AVAILABLE or child.is_pure_virtual_method():
                continue
            self.check_no_class_by_value(cls, child)
            usr = child.get_usr()
            self.members[usr] = Member(child, cls.spelling, self.mangle(child))
            self.order.append(usr)

    @staticmethod
    def check_no_class_by_value(cls, member):
        if member.kind == K.VAR_DECL:
            return
        types = [("result", member.result_type)] + [(a.spelling or "argument", a.type) for a in member.get_arguments()]
        for what, t in types:
            if t.get_canonical().kind == ci.TypeKind.RECORD:
                raise Failure(f"{where(member)}: {cls.spelling}::{member.spelling} passes its {what} "
                              f"({t.spelling}) by value, which the two ABIs do differently; pass a "
                              "pointer or reference")

    def mangle(self, cursor):
        name = cursor.mangled_name
        if cursor.kind == K.DESTRUCTOR:
            # The plain mangling of an MSVC destructor is the virtual-base one (??_D); the
            # destructor that callers import (??1) is among the full set.
            names = self.manglings(cursor)
            name = next((n for n in names if n.startswith("??1")), name)
        if self.strip_prefix and name.startswith("_"):
            name = name[1:]
        return name

    def manglings(self, cursor):
        found = self.lib.clang_Cursor_getCXXManglings(cursor)
        if not found:
            return []
        names = [_c_string(found.contents.strings[i]).decode()
                 for i in range(found.contents.count)]
        self.lib.clang_disposeStringSet(found)
        return names


THUNKS_HEAD = """\
// Constructor thunks for callers built with Microsoft's compiler, which expect a constructor to
// hand back `this` (EAX/RAX); g++ constructors return nothing. Generated by
// tools/msvcabi/msvc_exports.py from the public headers; each is exported under the MSVC name
// of the constructor it runs.
#include "qzw9svb.h"

#ifdef __i386__
#define QZ_THISCALL __attribute__((thiscall))
#else
#define QZ_THISCALL
#endif

extern "C" {
"""


def write_thunk(out, index, member, gnu_asm_name):
    params = [a.type.spelling for a in member.cursor.get_arguments()]
    typed = "".join(f", {t} a{i}" for i, t in enumerate(params))
    passed = "".join(f", a{i}" for i in range(len(params)))
    out.write(f"// {member.owner}::{member.cursor.displayname}\n"
              f"void QZ_THISCALL qz_gnu_construct_{index}(void* self{typed}) noexcept __asm__(\"{gnu_asm_name}\");\n"
              f"void* QZ_THISCALL qz_msvc_construct_{index}(void* self{typed}) noexcept\n"
              f"{{\n    qz_gnu_construct_{index}(self{passed});\n    return self;\n}}\n\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--arch", choices=["i686", "x86_64"], required=True)
    parser.add_argument("--header", required=True)
    parser.add_argument("--include-dir", required=True)
    parser.add_argument("--sdk-dir", required=True, help="the stand-in windows.h for MSVC mode")
    parser.add_argument("--resource-dir", required=True, help="clang's resource directory")
    parser.add_argument("--plain-def", required=True)
    parser.add_argument("--def", dest="def_out", required=True)
    parser.add_argument("--thunks", required=True)
    parser.add_argument("--names", required=True)
    args = parser.parse_args()

    lib = _bind_libclang()
    try:
        msvc = HeaderView(lib, args, f"{args.arch}-pc-windows-msvc", args.header, args.include_dir,
                          ["-nostdlibinc", "-ffreestanding", f"-I{args.sdk_dir}"])
        gnu = HeaderView(lib, args, f"{args.arch}-w64-mingw32", args.header, args.include_dir, [])
        only_msvc = [msvc.members[u] for u in msvc.order if u not in gnu.members]
        if only_msvc:
            raise Failure("members that only MSVC sees have no g++ code to export: "
                          + ", ".join(f"{m.owner}::{m.cursor.displayname}" for m in only_msvc))
        if not gnu.order:
            raise Failure(f"no exported class found in {args.header}")
    except Failure as failure:
        sys.exit(f"msvc_exports: {failure}")

    with open(args.plain_def) as f:
        plain = f.read()
    def_lines, name_lines = [], []
    thunk_count = 0
    with open(args.thunks, "w") as thunks:
        thunks.write(THUNKS_HEAD)
        for usr in gnu.order:
            g = gnu.members[usr]
            m = msvc.members.get(usr)
            if m is None:
                name_lines.append(f"- {g.name} gnu-only")
            elif g.kind == "ctor":
                write_thunk(thunks, thunk_count, g, g.cursor.mangled_name)
                def_lines.append(f"  {m.name} = qz_msvc_construct_{thunk_count}")
                thunk_count += 1
                name_lines.append(f"{m.name} {g.name} thunk")
            else:
                data = " DATA" if g.kind == "data" else ""
                def_lines.append(f"  {m.name} = {g.name}{data}")
                name_lines.append(f"{m.name} {g.name} {'data' if data else 'alias'}")
        thunks.write("}\n")
    with open(args.def_out, "w") as f:
        f.write(plain.rstrip("\n") + "\n; Members of the exported classes under their MSVC names"
                " (generated from the public headers).\n" + "\n".join(def_lines) + "\n")
    with open(args.names, "w") as f:
        f.write("\n".join(name_lines) + "\n")


if __name__ == "__main__":
    main()
