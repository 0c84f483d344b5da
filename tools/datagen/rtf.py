"""Turns the small text markup of the document sources into plain RTF 1.x.

Markup, one construct a line:
    # Title            ## Heading          ### Subheading
    - bullet item      1. numbered item (the number is kept as written)
    | cell | cell |    a table row; the first row of a table is bold
    > note             an indented italic note
    blank line         ends a paragraph; other lines join into one paragraph
Inline: **bold**, *italic*, __underlined__.

Text outside ASCII is written as \\'xx escapes of Windows-1252, and \\uN for
anything that code page lacks."""

import re

FONT_TABLE = (r"{\fonttbl{\f0\fswiss\fcharset0 Arial;}{\f1\froman\fcharset0 Times New Roman;}"
              r"{\f2\fmodern\fcharset0 Courier New;}}")
# Colour 1 black, 2 the program's green, 3 maroon, 4 dark grey.
# Letter paper with 0.75 in margins leaves 10080 twips for the text.
PAGE = r"\paperw12240\paperh15840\margl1080\margr1080\margt1080\margb1080"
COLOUR_TABLE = (r"{\colortbl;\red0\green0\blue0;\red0\green96\blue48;\red128\green0\blue0;"
                r"\red64\green64\blue64;}")
BODY_SIZE = 20          # half-points
TITLE_SIZE = 36
HEADING_SIZE = 28
SUBHEADING_SIZE = 23
INDENT = 360            # twips
BULLET = "\u2022"       # written as the code page's bullet, \'95
CHAR_WIDTH = 105        # twips of an average character of the body font
COLUMN_GAP = 240        # twips between the widest cell of a column and the next column

INLINE = re.compile(r"(\*\*.+?\*\*|__.+?__|\*.+?\*)")
BLOCK_PATTERNS = (
    ("title", re.compile(r"^# (.*)")),
    ("heading", re.compile(r"^## (.*)")),
    ("subheading", re.compile(r"^### (.*)")),
    ("bullet", re.compile(r"^- (.*)")),
    ("numbered", re.compile(r"^(\d+\.) (.*)")),
    ("row", re.compile(r"^\|(.*)\|\s*$")),
    ("note", re.compile(r"^> (.*)")),
)


def escape(text):
    out = []
    for char in text:
        code = ord(char)
        if char in "\\{}":
            out.append("\\" + char)
        elif char == "\t":
            out.append(r"\tab ")
        elif 32 <= code < 128:
            out.append(char)
        else:
            try:
                out.append("\\'%02x" % char.encode("cp1252")[0])
            except UnicodeEncodeError:
                out.append("\\u%d?" % (code if code < 32768 else code - 65536))
    return "".join(out)


def inline(text):
    parts = []
    for piece in INLINE.split(text):
        if piece.startswith("**") and piece.endswith("**") and len(piece) > 4:
            parts.append(r"{\b " + escape(piece[2:-2]) + "}")
        elif piece.startswith("__") and piece.endswith("__") and len(piece) > 4:
            parts.append(r"{\ul " + escape(piece[2:-2]) + "}")
        elif piece.startswith("*") and piece.endswith("*") and len(piece) > 2:
            parts.append(r"{\i " + escape(piece[1:-1]) + "}")
        else:
            parts.append(escape(piece))
    return "".join(parts)


def paragraph(body, size=BODY_SIZE, style="", space_before=0, space_after=120, indent=""):
    return (rf"\pard\sb{space_before}\sa{space_after}{indent}\f0\fs{size}{style} " + body
            + r"\plain\par" + "\n")


def table(rows):
    """A table as tabbed lines, each column as wide as its widest cell; the
    first row is the header."""
    cells = [[cell.strip() for cell in row.split("|")] for row in rows]
    columns = max(len(row) for row in cells)
    widths = [max(len(row[i]) for row in cells if i < len(row)) for i in range(columns)]
    stops, position = [], 0
    for width in widths[:-1]:
        position += width * CHAR_WIDTH + COLUMN_GAP
        stops.append(rf"\tx{position}")
    out = []
    for number, row in enumerate(cells):
        body = r"\tab ".join(inline(cell) for cell in row)
        out.append(paragraph(body, style=r"\b" if number == 0 else "", space_after=40,
                             indent="".join(stops)))
    return "".join(out)


def block(kind, match):
    if kind == "title":
        return paragraph(inline(match.group(1)), TITLE_SIZE, r"\b\cf2", 0, 240)
    if kind == "heading":
        return paragraph(inline(match.group(1)), HEADING_SIZE, r"\b\cf2", 240, 120)
    if kind == "subheading":
        return paragraph(inline(match.group(1)), SUBHEADING_SIZE, r"\b\ul", 160, 80)
    if kind == "bullet":
        return paragraph(escape(BULLET) + r"\tab " + inline(match.group(1)), space_after=60,
                         indent=rf"\fi-{INDENT}\li{INDENT}\tx{INDENT}")
    if kind == "numbered":
        return paragraph(escape(match.group(1)) + r"\tab " + inline(match.group(2)), space_after=60,
                         indent=rf"\fi-{INDENT}\li{INDENT}\tx{INDENT}")
    return paragraph(r"\i\cf4 " + inline(match.group(1)), indent=rf"\li{INDENT * 2}")


def to_rtf(markup):
    """The RTF document of a markup text."""
    out = [r"{\rtf1\ansi\ansicpg1252\deff0" + "\n", FONT_TABLE + "\n", COLOUR_TABLE + "\n",
           PAGE + r"\viewkind4\uc1" + "\n"]
    text_lines, table_rows = [], []

    def flush():
        if text_lines:
            out.append(paragraph(inline(" ".join(text_lines))))
            text_lines.clear()
        if table_rows:
            out.append(table(table_rows))
            table_rows.clear()

    for line in markup.splitlines():
        stripped = line.rstrip()
        if not stripped:
            flush()
            continue
        for kind, pattern in BLOCK_PATTERNS:
            match = pattern.match(stripped)
            if match:
                if kind == "row":
                    if text_lines:
                        flush()
                    table_rows.append(match.group(1))
                else:
                    flush()
                    out.append(block(kind, match))
                break
        else:
            if table_rows:
                flush()
            text_lines.append(stripped.strip())
    flush()
    out.append("}\n")
    return "".join(out)
