#!/usr/bin/env python3
"""Validates what ecview-cli prints with --json against docs/schema/*.schema.json.

  json_schema_test.py ECVIEW_CLI SCHEMA_DIR SAMPLE_MODULE CORPUS_DIR MAKE_LARGE_MODULE

For examples/sample.ec and every module of the corpus (skipped when the corpus
is absent): dump --json; uses --json for each of its data types and classes;
diff --json of the module with itself and with the sample; and search --json
over a temporary folder holding copies of all of them. Two generated versions
of a module, one with edited subroutines, give diff --json a "changed" list.
The schemas forbid unknown fields, so a field added to the output or renamed
without its schema fails here.
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile

from jsonschema import Draft202012Validator

cli, schema_dir, sample, corpus, make_large_module = sys.argv[1:6]

validators = {}
for name in ("dump", "search", "diff", "uses"):
    with open(os.path.join(schema_dir, name + ".schema.json"), encoding="utf-8") as f:
        schema = json.load(f)
    Draft202012Validator.check_schema(schema)
    validators[name] = Draft202012Validator(schema)

failures = []
validated = {name: 0 for name in validators}


def run(kind, args, allowed_status):
    """Runs ecview-cli, validates its standard output against the schema of `kind`."""
    result = subprocess.run([cli, *args], capture_output=True)
    label = " ".join(os.path.basename(a) for a in args)
    if result.returncode not in allowed_status:
        failures.append(f"{label}: exit status {result.returncode}: {result.stderr.decode(errors='replace')}")
        return None
    try:
        document = json.loads(result.stdout.decode("utf-8"))
    except (UnicodeDecodeError, json.JSONDecodeError) as error:
        failures.append(f"{label}: not JSON in UTF-8: {error}")
        return None
    errors = sorted(validators[kind].iter_errors(document), key=lambda e: list(e.absolute_path))
    for error in errors[:5]:
        where = "/".join(str(p) for p in error.absolute_path) or "(top)"
        failures.append(f"{label}: {where}: {error.message}")
    validated[kind] += 1
    return document


def modules():
    yield sample
    if os.path.isdir(corpus):
        for name in sorted(os.listdir(corpus)):
            if name.lower().endswith((".ec", ".e")):
                yield os.path.join(corpus, name)
    else:
        print(f"corpus {corpus} absent: only the sample and generated modules are validated")


with tempfile.TemporaryDirectory() as temp:
    # Copies, so that nothing here could ever write to the corpus; search
    # lists *.ec only, so the program files get that extension.
    folder = os.path.join(temp, "modules")
    os.makedirs(os.path.join(folder, "子文件夹"))
    copies = []
    for i, path in enumerate(modules()):
        stem = os.path.splitext(os.path.basename(path))[0]
        copy = os.path.join(folder, "子文件夹" if i % 2 else "", f"{stem}.ec")
        shutil.copyfile(path, copy)
        copies.append(copy)

    for module in copies:
        dump = run("dump", ["dump", "--json", module], (0,))
        if dump is None:
            continue
        if not dump["ok"]:
            failures.append(f"{module}: rejected: {dump['lastReadError']}")
        names = [t["name"] for t in dump["dataTypes"]] + [c["name"] for c in dump["classes"]]
        for name in dict.fromkeys(names):  # a data type hides a class of its name
            run("uses", ["uses", "--json", module, name], (0, 1))
        run("diff", ["diff", "--json", module, module], (0,))
        run("diff", ["diff", "--json", copies[0], module], (0, 1))

    # Two versions of one generated module: 2 program sets of 5 subroutines, 3 edited.
    old, new = os.path.join(temp, "old.ec"), os.path.join(temp, "new.ec")
    subprocess.run([make_large_module, old, "2", "5", "2"], check=True)
    subprocess.run([make_large_module, new, "2", "5", "2", "3"], check=True)
    changed = run("diff", ["diff", "--json", old, new], (1,))
    if changed is not None and not changed["changed"]:
        failures.append("diff of the generated versions: no changed declaration")
    run("dump", ["dump", "--json", new], (0,))

    # Every name matches "*"; pinyin initials and a text nothing has go through too.
    for args, status in ((["search", "--json", folder, "*"], (0,)),
                         (["search", "--json", "--recursive", folder, "*"], (0,)),
                         (["search", "--json", "--recursive", folder, "qwb"], (0, 1)),
                         (["search", "--json", folder, "没有这样的名称zzz"], (1,))):
        run("search", args, status)

print(", ".join(f"{name}: {count} outputs" for name, count in validated.items()))
for failure in failures:
    print("FAIL", failure)
sys.exit(1 if failures else 0)
