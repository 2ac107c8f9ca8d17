#!/usr/bin/python3
"""The program's own faces: the Simplified Chinese cuts of the system's CJK faces cut down to
the characters the program shows, renamed so that they never stand in for the full faces.

  subset_faces.py characters <out-file> <file>...
      Collects every character of the program's texts (the files given: its sources, the seed
      scripts, the skin, and the Qt translations it loads as .qm files) into <out-file>, one
      line of sorted characters. The file is rewritten only when the set changed, so that the
      faces are cut again only then.
  subset_faces.py face <characters-file> <ttc-file> <family> <out-file>
      Cuts the face named <family> out of a collection down to those characters and renames
      it: "Noto" becomes "Abacolo" in every name.

A character outside the set is drawn by the font engine's fallback, the full system face.
"""
import pathlib
import struct
import sys

# Always carried: printable ASCII, Latin-1, general and CJK punctuation, full-width forms, so
# that numbers, names and what a parent types show in the program's face.
ALWAYS = ([range(0x20, 0x7F), range(0xA0, 0x100), range(0x2010, 0x2027), range(0x2030, 0x203C),
           range(0x3000, 0x3019), range(0xFF01, 0xFF5F)])


def qm_translations(data):
    """The translated texts of a Qt .qm file."""
    if data[:4] != bytes.fromhex("3CB86418"):
        raise ValueError("not a Qt translation file")
    texts = []
    at = 16
    while at + 5 <= len(data):
        tag, length = data[at], struct.unpack(">I", data[at + 1:at + 5])[0]
        at += 5
        if tag == 0x69:  # the messages block
            texts += messages(data[at:at + length])
        at += length
    return texts


def messages(block):
    texts = []
    at = 0
    while at < len(block):
        tag = block[at]
        at += 1
        if tag == 1:  # end of a message
            continue
        if tag == 5:  # a hash
            at += 4
            continue
        length = struct.unpack(">I", block[at:at + 4])[0]
        at += 4
        if length == 0xFFFFFFFF:
            continue
        if tag == 3:  # a translation, UTF-16 big-endian
            texts.append(block[at:at + length].decode("utf-16-be"))
        at += length
    return texts


def program_characters(files):
    characters = set()
    for path in map(pathlib.Path, files):
        if path.suffix == ".qm":
            for text in qm_translations(path.read_bytes()):
                characters.update(text)
        else:
            characters.update(path.read_text(encoding="utf-8"))
    for block in ALWAYS:
        characters.update(map(chr, block))
    return "".join(sorted(c for c in characters if c.isprintable() and not c.isspace() or c == " "))


def write_characters(out_file, files):
    text = program_characters(files) + "\n"
    out = pathlib.Path(out_file)
    if not out.exists() or out.read_text(encoding="utf-8") != text:
        out.write_text(text, encoding="utf-8")


def cut_face(characters_file, ttc_file, family, out_file):
    from fontTools import subset
    from fontTools.ttLib import TTCollection

    text = pathlib.Path(characters_file).read_text(encoding="utf-8").rstrip("\n")
    # The source's own time stamp is kept, so that the same sources make the same faces.
    collection = TTCollection(ttc_file, recalcTimestamp=False)
    fonts = [f for f in collection.fonts if f["name"].getDebugName(1) == family]
    if len(fonts) != 1:
        raise SystemExit(f"{ttc_file}: no single face named {family}")
    font = fonts[0]
    options = subset.Options()
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.layout_features = ["*"]
    options.notdef_outline = True
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    for record in font["name"].names:
        name = record.toUnicode()
        if "Noto" in name:
            record.string = name.replace("Noto", "Abacolo")
    if "CFF " in font:
        cff = font["CFF "].cff
        cff.fontNames = [n.replace("Noto", "Abacolo") for n in cff.fontNames]
    font.save(out_file, reorderTables=True)


def main(argv):
    if len(argv) >= 3 and argv[1] == "characters":
        write_characters(argv[2], argv[3:])
    elif len(argv) == 6 and argv[1] == "face":
        cut_face(*argv[2:])
    else:
        raise SystemExit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
