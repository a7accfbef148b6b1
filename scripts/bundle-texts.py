#!/usr/bin/env python3
"""The bundle's metadata in every shipped language, from the catalogues.

  bundle-texts.py lproj INFO_PLIST RESOURCES_DIR TS_FILE...
      writes RESOURCES_DIR/<language>.lproj/InfoPlist.strings for English and
      each catalogue: the display name, the bundle name, the question asked
      before the app may control Finder, the reasons shown before it may read
      a file in a protected folder, and the document type's name, each
      looked up by the English text INFO_PLIST carries.
  bundle-texts.py desktop ENTRY_IN ENTRY_OUT TS_FILE...
      copies the desktop entry ENTRY_IN to ENTRY_OUT with Name[...] and
      Comment[...] for each catalogue.

Exits non-zero, naming the text, when a catalogue lacks the translation of a
text the metadata shows: the build never ships half a localization.
"""
import os
import plistlib
import sys
import xml.etree.ElementTree as ElementTree

# The Info.plist keys InfoPlist.strings localizes; a document type's name is
# localized under its own English text.
PLIST_KEYS = ["CFBundleDisplayName", "CFBundleName", "NSAppleEventsUsageDescription",
              "NSDesktopFolderUsageDescription", "NSDocumentsFolderUsageDescription",
              "NSDownloadsFolderUsageDescription", "NSRemovableVolumesUsageDescription"]


def catalogue(path):
    """The catalogue's language (as its file names it) and its translations by (context, source)."""
    root = ElementTree.parse(path).getroot()
    language = root.get("language")
    texts = {}
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is not None and translation.get("type") not in ("unfinished", "obsolete"):
                texts[(name, message.findtext("source"))] = translation.text or ""
    return language, texts


def apple_language(code):
    """The .lproj name of a catalogue language: "pt_BR" -> "pt-BR"."""
    return code.replace("_", "-")


def strings_literal(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def translated(texts, context, english, language):
    text = texts.get((context, english))
    if not text:
        raise SystemExit(f"bundle-texts: the {language} catalogue lacks [{context}] {english!r}")
    return text


def write_if_changed(path, content):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    try:
        with open(path, encoding="utf-8") as existing:
            if existing.read() == content:
                return
    except OSError:
        pass
    with open(path + ".tmp", "w", encoding="utf-8") as out:
        out.write(content)
    os.replace(path + ".tmp", path)


def lproj(info_plist, resources, catalogues):
    with open(info_plist, "rb") as source:
        plist = plistlib.load(source)
    english = [(key, plist[key]) for key in PLIST_KEYS]
    english += [(kind["CFBundleTypeName"], kind["CFBundleTypeName"])
                for kind in plist.get("CFBundleDocumentTypes", [])]
    header = "/* The bundle's own texts in this language; made from the catalogues. */\n"
    lines = [f"{strings_literal(key)} = {strings_literal(text)};\n" for key, text in english]
    write_if_changed(os.path.join(resources, "en.lproj", "InfoPlist.strings"), header + "".join(lines))
    for path in catalogues:
        language, texts = catalogue(path)
        lines = [f"{strings_literal(key)} = "
                 f"{strings_literal(translated(texts, 'InfoPlist', text, language))};\n"
                 for key, text in english]
        write_if_changed(os.path.join(resources, f"{apple_language(language)}.lproj", "InfoPlist.strings"),
                         header + "".join(lines))


def desktop(entry_in, entry_out, catalogues):
    with open(entry_in, encoding="utf-8") as source:
        lines = source.read().splitlines()
    english = {}
    for line in lines:
        key, _, value = line.partition("=")
        if key in ("Name", "Comment"):
            english[key] = value
    out = []
    for line in lines:
        out.append(line)
        key = line.partition("=")[0]
        if key not in english:
            continue
        for path in catalogues:
            language, texts = catalogue(path)
            text = translated(texts, "DesktopEntry", english[key], language)
            out.append(f"{key}[{language}]={text}")
    write_if_changed(entry_out, "\n".join(out) + "\n")


def main(argv):
    if len(argv) >= 4 and argv[1] == "lproj":
        lproj(argv[2], argv[3], argv[4:])
    elif len(argv) >= 4 and argv[1] == "desktop":
        desktop(argv[2], argv[3], argv[4:])
    else:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
