"""Checks the built program folder against the data it was built from: every
table that data/tables and data/samples describe must exist in the build, and
`verdalis-tables dump` must give back its CSV cell for cell (numbers compared
as numbers, since the engine reads them back in their shortest form)."""

import csv
import io
import pathlib
import subprocess
import sys


def same_cell(expected, actual):
    if expected == actual:
        return True
    try:
        return float(expected) == float(actual)
    except ValueError:
        return False


def check_table(tool, source_csv, built):
    problems = []
    if not built.exists():
        return [f"{built}: missing from the build"]
    dump = subprocess.run([tool, "dump", str(built)], capture_output=True, text=True)
    if dump.returncode != 0:
        return [f"{built}: dump failed: {dump.stderr.strip()}"]
    with source_csv.open(newline="", encoding="utf-8") as handle:
        expected = list(csv.reader(handle))
    actual = list(csv.reader(io.StringIO(dump.stdout)))
    if len(expected) != len(actual):
        return [f"{built}: {len(actual) - 1} records, the CSV has {len(expected) - 1}"]
    header = expected[0]
    for line, (want, got) in enumerate(zip(expected, actual), start=1):
        if len(want) != len(got):
            problems.append(f"{built}: line {line}: {len(got)} cells, the CSV has {len(want)}")
            continue
        for column, (a, b) in enumerate(zip(want, got)):
            if not same_cell(a, b):
                problems.append(f"{built}: line {line}, column {header[column]}: {b!r}, the CSV has {a!r}")
    return problems


def main(tool, data_dir, program_dir, samples_dir):
    data_dir, program_dir, samples_dir = map(pathlib.Path, (data_dir, program_dir, samples_dir))
    problems = []
    tables = 0
    for schema in sorted(data_dir.glob("tables/*/*.schema.csv")) + sorted(data_dir.glob("samples/*.schema.csv")):
        name = schema.name[: -len(".schema.csv")]
        source_csv = schema.with_name(name + ".csv")
        folder = program_dir / schema.parent.name if schema.parent.parent.name == "tables" else samples_dir
        problems += check_table(tool, source_csv, folder / name)
        tables += 1
    for problem in problems:
        print(problem)
    print(f"{tables} tables checked, {len(problems)} problems")
    return 1 if problems or tables == 0 else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:5]))
