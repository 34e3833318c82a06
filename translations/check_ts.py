#!/usr/bin/env python3
"""Checks a translation source freshly collected from the code: every text has a finished
translation that keeps the source's placeholders (%1 ...) and its & shortcut."""
import re
import sys
import xml.etree.ElementTree as ET


def placeholders(text):
    return sorted(re.findall(r"%\d", text))


def shortcuts(text):
    return text.replace("&&", "").count("&")


def problems(path):
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text or "" if translation is not None else ""
            kind = translation.get("type", "") if translation is not None else "missing"
            where = f"{path}: {name}: {source!r}"
            if kind in ("unfinished", "missing") or not text:
                yield f"{where}: no finished translation"
            elif kind in ("vanished", "obsolete"):
                continue
            elif placeholders(source) != placeholders(text):
                yield f"{where}: the translation {text!r} changes the placeholders"
            elif shortcuts(source) != shortcuts(text):
                yield f"{where}: the translation {text!r} changes the & shortcut"


found = [line for path in sys.argv[1:] for line in problems(path)]
for line in found:
    print(line)
sys.exit(1 if found else 0)
