"""Column schemas and rows of the bundled tables, written as the CSV pair the
table builder reads: <FileName>.schema.csv (name,type,size,required) and
<FileName>.csv (a header row with the schema's names, then one row a record;
an empty cell is an empty value)."""

import csv
import os
from dataclasses import dataclass, field

COLUMN_TYPES = ("text", "integer", "float", "logical", "date")
MAX_TEXT_SIZE = 255

# Floats are written with at most this many decimals, trailing zeros cut, so
# that the CSVs stay readable and diff well.
FLOAT_DECIMALS = 4


@dataclass(frozen=True)
class Column:
    name: str
    type: str
    size: int | None = None
    required: bool = False

    def __post_init__(self):
        if self.type not in COLUMN_TYPES:
            raise ValueError(f"column {self.name}: unknown type {self.type}")
        if (self.type == "text") != (self.size is not None):
            raise ValueError(f"column {self.name}: text columns, and only they, have a size")
        if self.size is not None and not 1 <= self.size <= MAX_TEXT_SIZE:
            raise ValueError(f"column {self.name}: size {self.size} out of 1..{MAX_TEXT_SIZE}")


def text(name, size, required=False):
    return Column(name, "text", size, required)


def integer(name, required=False):
    return Column(name, "integer", None, required)


def real(name, required=False):
    return Column(name, "float", None, required)


@dataclass
class Table:
    folder: str
    file_name: str
    columns: list
    rows: list = field(default_factory=list)

    def add(self, **values):
        unknown = set(values) - {c.name for c in self.columns}
        if unknown:
            raise KeyError(f"{self.file_name}: no column {sorted(unknown)}")
        self.rows.append(values)

    def add_row(self, values):
        self.add(**values)


def format_value(column, value):
    if value is None or value == "":
        return ""
    if column.type == "float":
        formatted = f"{float(value):.{FLOAT_DECIMALS}f}".rstrip("0").rstrip(".")
        return "0" if formatted in ("", "-0") else formatted
    if column.type == "integer":
        return str(int(value))
    formatted = str(value)
    if column.type == "text" and len(formatted) > column.size:
        raise ValueError(f"{column.name}: '{formatted}' is longer than {column.size}")
    return formatted


def write_schema(path, columns):
    with open(path, "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(["name", "type", "size", "required"])
        for column in columns:
            writer.writerow([column.name, column.type,
                             "" if column.size is None else column.size,
                             1 if column.required else 0])


def write_rows(path, columns, rows):
    with open(path, "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow([column.name for column in columns])
        for row in rows:
            writer.writerow([format_value(column, row.get(column.name)) for column in columns])


def write_table(root, table):
    """Writes the table as <root>/<folder>/<file>.csv and .schema.csv."""
    folder = os.path.join(root, table.folder)
    os.makedirs(folder, exist_ok=True)
    base = os.path.join(folder, table.file_name)
    write_schema(base + ".schema.csv", table.columns)
    write_rows(base + ".csv", table.columns, table.rows)
