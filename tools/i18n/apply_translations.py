#!/usr/bin/env python3
"""Fills translations into resources/i18n/KOVRAN_*.ts from a JSON table.

The table maps context -> source text -> {language code: translation}; a plural (%n) text takes a list
of its forms in the language's order. The Ukrainian file takes the
source text itself unless the table has a "uk_UA" entry (needed for the older Russian source texts). Run `cmake --build build/default --target update_translations` first so that new
texts are in the .ts files, then this script, then check that no entry is left unfinished:

    tools/i18n/apply_translations.py table.json [--check]
"""
import argparse
import json
import pathlib
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parents[2]
I18N = ROOT / "resources" / "i18n"
CODES = ["uk_UA", "en_150", "de_DE", "it_IT", "fr_FR", "pl_PL"]


def process(code, table, check_only):
    path = I18N / f"KOVRAN_{code}.ts"
    tree = ET.parse(path)
    unfinished = []
    changed = False
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation.get("type") in ("vanished", "obsolete"):
                continue
            wanted = table.get(name, {}).get(source, {}).get(code)
            if wanted is None and code == "uk_UA" and (
                translation.get("type") == "unfinished" or not (translation.text or "")
            ):
                # New Ukrainian sources stand as they are; a translation already there (older Russian
                # sources bring their own) is kept.
                wanted = source

            forms = translation.findall("numerusform")
            if isinstance(wanted, str) and forms:
                wanted = None  # a plural needs its forms listed
            if wanted is not None and not check_only:
                if forms:
                    if [f.text for f in forms] != wanted[: len(forms)] or translation.get("type") == "unfinished":
                        for form, text in zip(forms, wanted):
                            form.text = text
                        translation.attrib.pop("type", None)
                        changed = True
                elif translation.text != wanted or translation.get("type") == "unfinished":
                    translation.text = wanted
                    translation.attrib.pop("type", None)
                    changed = True
            empty = any(not (f.text or "") for f in forms) if forms else not (translation.text or "")
            if translation.get("type") == "unfinished" or empty:
                unfinished.append(f"{name}: {source}")
    if changed:
        ET.indent(tree, space="    ")
        body = ET.tostring(tree.getroot(), encoding="unicode")
        path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                        encoding="utf-8")
    return unfinished


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("table", nargs="?", help="JSON table of translations")
    parser.add_argument("--check", action="store_true", help="only list entries still unfinished")
    args = parser.parse_args()
    table = json.loads(pathlib.Path(args.table).read_text(encoding="utf-8")) if args.table else {}
    missing = 0
    for code in CODES:
        for entry in process(code, table, args.check or not args.table):
            print(f"{code}: unfinished: {entry}")
            missing += 1
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
