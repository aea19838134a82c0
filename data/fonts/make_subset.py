#!/usr/bin/python3
"""Cuts the program's own typeface out of an installed CJK font collection.

The subset holds printable ASCII with the accented letters of English, every
non-ASCII character of the string and character literals of the given C++
sources, and every character of the Qt
translation messages of the given contexts (the texts Qt itself draws in the
program's boxes and menus). The family is renamed: the Noto CJK fonts reserve
the name "Source", and a subset is no longer the font that name stands for.

Usage: make_subset.py --font F --index N --family NAME --output OUT
                      [--qm QM --lconvert LCONVERT --context C ...]
                      [--chars-out TXT] SOURCE...
"""
import argparse
import os
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

from fontTools import subset
from fontTools.ttLib import TTFont


LITERAL_PREFIXES = ('', 'u8', 'u', 'U', 'L')

# The accented letters fontconfig wants, beside ASCII's, before it lists a
# face as English. Qt takes a face that is not listed for English for one
# without Latin, and then loads it once for the Chinese and again for the
# Latin runs of the same text at every size, which doubles the start-up's
# font work. With these twenty glyphs one engine serves both.
ENGLISH_ACCENTED_LETTERS = 'ÀÇÈÉÊËÏÑÔÖàçèéêëïñôö'


def identifier_before(text, i):
    """The identifier or number ending right before position i: a literal's
    prefix, or (before an apostrophe) the digits of a digit separator."""
    j = i
    while j > 0 and (text[j - 1].isalnum() or text[j - 1] == '_'):
        j -= 1
    return text[j:i]


def literal_characters(text):
    """The characters inside the string and character literals of C++ code,
    comments left out. Raw strings R"d(...)d" are taken whole."""
    found = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith('//', i):
            i = text.find('\n', i)
            i = n if i < 0 else i
        elif text.startswith('/*', i):
            i = text.find('*/', i + 2)
            i = n if i < 0 else i + 2
        elif c == 'R' and text.startswith('"', i + 1) and identifier_before(text, i) in LITERAL_PREFIXES:
            open_paren = text.find('(', i + 2)
            delimiter = ')' + text[i + 2:open_paren] + '"'
            end = text.find(delimiter, open_paren)
            end = n if end < 0 else end
            found.append(text[open_paren + 1:end])
            i = end + len(delimiter)
        elif c == '"' or (c == "'" and identifier_before(text, i) in LITERAL_PREFIXES):
            j = i + 1
            while j < n and text[j] != c and text[j] != '\n':
                j += 2 if text[j] == '\\' else 1
            found.append(text[i + 1:j])
            i = j + 1
        else:
            i += 1
    return set(''.join(found))


def translation_characters(qm, lconvert, contexts):
    with tempfile.TemporaryDirectory() as scratch:
        ts = os.path.join(scratch, 'base.ts')
        subprocess.run([lconvert, '-i', qm, '-o', ts], check=True)
        root = ET.parse(ts).getroot()
    chars = set()
    for context in root.iter('context'):
        if context.findtext('name') not in contexts:
            continue
        for translation in context.iter('translation'):
            chars.update(''.join(translation.itertext()))
    return chars


def rename(font, family, style):
    """Gives the subset its own names in the name table and the CFF table."""
    postscript = family.replace(' ', '') + '-' + style
    names = {1: family, 3: postscript, 4: family, 6: postscript, 16: family}
    table = font['name']
    table.names = [record for record in table.names if record.nameID not in (16, 17, 21, 22)
                   or record.nameID in names]
    for record in list(table.names):
        if record.nameID in names:
            table.setName(names[record.nameID], record.nameID, record.platformID, record.platEncID,
                          record.langID)
    if 'CFF ' in font:
        cff = font['CFF '].cff
        cff.fontNames = [postscript]
        top = cff.topDictIndex[0]
        for key in ('FullName', 'FamilyName'):
            if hasattr(top, key):
                setattr(top, key, family)
        for private in getattr(top, 'FDArray', []):
            # "<original>-Ideographs" and the like: keep what follows the name.
            private.FontName = postscript + '-' + private.FontName.rsplit('-', 1)[-1]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('--font', required=True)
    parser.add_argument('--index', type=int, default=0)
    parser.add_argument('--family', required=True)
    parser.add_argument('--output', required=True)
    parser.add_argument('--qm')
    parser.add_argument('--lconvert')
    parser.add_argument('--context', action='append', default=[])
    parser.add_argument('--chars-out')
    parser.add_argument('sources', nargs='*')
    args = parser.parse_args()

    chars = {chr(c) for c in range(0x20, 0x7f)} | set(ENGLISH_ACCENTED_LETTERS)
    for path in args.sources:
        with open(path, encoding='utf-8') as source:
            chars |= {c for c in literal_characters(source.read()) if ord(c) > 0x7f}
    if args.qm:
        chars |= {c for c in translation_characters(args.qm, args.lconvert, set(args.context)) if ord(c) >= 0x20}

    font = TTFont(args.font, fontNumber=args.index, lazy=False)
    missing = sorted(c for c in chars if ord(c) not in font.getBestCmap())
    if missing:
        # The build goes on; the font coverage test names the texts.
        print('make_subset.py: warning: %s lacks %s' % (args.font, ' '.join('U+%04X' % ord(c) for c in missing)),
              file=sys.stderr)
    options = subset.Options()
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6, 13, 14, 16, 17]
    options.name_languages = ['*']
    # Of the collection's subroutines a subset uses few: inlined, the face is
    # smaller, and FreeType opens it (for the font database and for every
    # size drawn) in two thirds of the time. The outlines and hints stay.
    options.desubroutinize = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=[ord(c) for c in chars])
    subsetter.subset(font)
    rename(font, args.family, font['name'].getDebugName(2) or 'Regular')
    font.save(args.output)
    if args.chars_out:
        with open(args.chars_out, 'w', encoding='utf-8') as out:
            out.write(''.join(sorted(chars)) + '\n')
    return 0


if __name__ == '__main__':
    sys.exit(main())
