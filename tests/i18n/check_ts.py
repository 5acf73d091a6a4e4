#!/usr/bin/python3
"""Every translation follows the sources: lupdate, run on the sources that
`cmake --build build --target update_translations` reads, but on a copy of each
translations/*.ts, finds no text that is new (no translation yet), vanished or unfinished. The
desktop entry and the AppStream summary say what the translations say.

check_ts.py <source dir> <lupdate> <list>

The list names the sources, one a line (relative ones from the source dir), and the include
folders as -I<folder>; generated sources not made yet are left out, as update_translations
leaves them.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

source, lupdate, listed = map(pathlib.Path, sys.argv[1:4])
faults = []


def text_of(element):
    """An element's text as the program sees it: lupdate writes a carriage return as <byte>."""
    parts = [element.text or ""]
    for child in element:
        if child.tag == "byte":
            parts.append(chr(int(child.get("value").lstrip("x"), 16)))
        parts.append(child.tail or "")
    return "".join(parts)


def messages(ts):
    for context in ET.parse(ts).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


inputs = []
for line in listed.read_text().splitlines():
    if line.startswith("-I"):
        inputs.append(line)
    elif line and (source / line).exists():
        inputs.append(str(source / line))

with tempfile.TemporaryDirectory() as scratch:
    scratch = pathlib.Path(scratch)
    translations = sorted((source / "translations").glob("tarvello_*.ts"))
    if not translations:
        faults.append("no translations/tarvello_*.ts")
    for ts in translations:
        copy = scratch / ts.name
        shutil.copy(ts, copy)
        subprocess.run([str(lupdate), *inputs, "-ts", str(copy), "-locations", "none",
                        "-source-language", "it_IT", "-silent"], check=True)
        for context, message in messages(copy):
            kind = message.find("translation").get("type")
            if kind in ("unfinished", "vanished", "obsolete"):
                what = {"unfinished": "has no translation", "vanished": "is no longer in the sources",
                        "obsolete": "is no longer in the sources"}[kind]
                faults.append(f"{ts.name}: {context} \"{text_of(message.find('source'))}\" {what}")

    # The desktop entry and the AppStream summary: Italian as [it] / xml:lang="it", English as
    # the entries without a language, every other translation under its own code.
    desktop = (source / "packaging" / "org.example.Tarvello.desktop").read_text()
    entries = dict(re.findall(r"^([A-Za-z]+(?:\[[a-z_A-Z]+\])?)=(.*)$", desktop, re.M))
    metainfo = ET.parse(source / "packaging" / "org.example.Tarvello.metainfo.xml").getroot()
    summaries = {s.get("{http://www.w3.org/XML/1998/namespace}lang"): s.text for s in metainfo.iter("summary")}
    texts = (("Desktop", "Esercizi sugli insiemi", "GenericName"),
             ("Desktop", "Costruisci l'insieme che viene dopo: esercizi e schede per la scuola primaria", "Comment"),
             ("Avvio", "Esercizi sull'insieme che viene dopo un insieme dato", None))
    languages = [("it", None)] + [(ts.stem.split("_", 1)[1], ts) for ts in translations]
    for code, ts in languages:
        said = {(c, text_of(m.find("source"))): text_of(m.find("translation")) for c, m in messages(ts)} if ts else {}
        suffix = "" if code == "en" else f"[{code}]"
        for context, italian, key in texts:
            expected = said.get((context, italian), italian)
            found = entries.get(key + suffix) if key else summaries.get(None if code == "en" else code)
            if found != expected:
                where = f"the desktop entry's {key}{suffix}" if key else f"the AppStream summary ({code})"
                faults.append(f"{where} is \"{found}\", not \"{expected}\"")

for fault in faults:
    print(fault)
if faults:
    print("Bring the translations up to the sources with "
          "`cmake --build build --target update_translations`, translate what is new with Qt Linguist "
          "(linguist translations/tarvello_en.ts), and commit the .ts files.")
sys.exit(1 if faults else 0)
