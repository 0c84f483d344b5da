#!/usr/bin/python3
"""Regenerates the bundled data of the program folder under data/: the
reference tables (CSV + schema), the user table with its sample assessments,
the sample record list for batch runs, the settings files and the documents.

    /usr/bin/python3 tools/datagen/generate.py [DATA_DIR]

DATA_DIR defaults to the repository's data/ folder. The run ends with a
summary of the sample records and the class each reaches in a rough model of
the two methods (estimate.py); it fails when a sample misses its class."""

import csv
import os
import sys

import documents
import estimate
import reference_tables
import samples
import settings
from tablefile import Table, write_rows, write_schema, write_table
from user_inputs import NITROGEN_RESULT_COLUMNS, USER_INPUT_COLUMNS

SAMPLE_LIST_NAME = "SampleBatchList.dbf"
NITROGEN_CLASS_LIMITS = (("hundreds", 100, 1000), ("thousands", 1000, float("inf")))


def nitrogen_class(result):
    if result == estimate.PASTURE:
        return estimate.PASTURE
    total = result["Total_N_Lost"]
    if total == 0:
        return "0"
    return next((name for name, low, high in NITROGEN_CLASS_LIMITS if low <= total < high),
                f"{total:.0f} lbs")


def with_nitrogen_results(columns, result):
    """The record as a save after the calculation leaves it: the eleven
    nitrogen results, 0 where the method stopped early."""
    numbers = result if isinstance(result, dict) else {}
    stored = dict(columns)
    for column, name in NITROGEN_RESULT_COLUMNS.items():
        stored[column] = round(numbers.get(name, 0.0), 2)
    return stored


def evaluate(db, sample):
    """(nitrogen result or None, phosphorus result or None) of a record."""
    mode = sample.columns["ModeType"]
    nitrogen = estimate.zorv(db, sample.columns) if mode in ("Zorv", "ZorvTamb") else None
    phosphorus = estimate.tamb(db, sample.columns) if mode in ("Tamb", "ZorvTamb") else None
    return nitrogen, phosphorus


def describe(sample, nitrogen, phosphorus):
    parts = []
    if nitrogen is not None:
        total = nitrogen if isinstance(nitrogen, str) else f"{nitrogen['Total_N_Lost']:,.0f} lbs"
        parts.append(f"Total N Lost {total}")
    if phosphorus is not None:
        parts.append(f"P indexes {phosphorus['Indexes']} = {phosphorus['Total']} "
                     f"({phosphorus['Rating']})")
    return f"{sample.columns['RecordName']} [{sample.columns['ModeType']}]: " + "; ".join(parts)


def class_misses(sample, nitrogen, phosphorus):
    """Why a sample's results are not in the classes it is meant to reach."""
    name = sample.columns["RecordName"]
    misses = []
    if nitrogen is not None and nitrogen_class(nitrogen) != sample.nitrogen:
        misses.append(f"{name}: Total N Lost class {nitrogen_class(nitrogen)}, meant {sample.nitrogen}")
    if phosphorus is not None and phosphorus["Rating"] != sample.phosphorus:
        misses.append(f"{name}: Total P Rating {phosphorus['Rating']}, meant {sample.phosphorus}")
    return misses


def expected_row(sample, nitrogen, phosphorus):
    """The classes a sample is meant to reach, with the model's values."""
    total_n = ""
    if isinstance(nitrogen, dict):
        total_n = f"{nitrogen['Total_N_Lost']:.0f}"
    elif nitrogen is not None:
        total_n = nitrogen
    return [sample.columns["RecordName"], sample.columns["ModeType"], sample.nitrogen or "",
            total_n, sample.phosphorus or "",
            " ".join(str(i) for i in phosphorus["Indexes"]) if phosphorus else "",
            phosphorus["Total"] if phosphorus else "", sample.shows]


def user_table(db, expected_path):
    table = Table("UserTables", "UserInputs.dbf", USER_INPUT_COLUMNS)
    failures = []
    with open(expected_path, "w", newline="", encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(["RecordName", "ModeType", "NitrogenClass", "Total_N_Lost", "Rating",
                         "Indexes", "Total", "Shows"])
        for sample in samples.USER_SAMPLES:
            nitrogen, phosphorus = evaluate(db, sample)
            print("  " + describe(sample, nitrogen, phosphorus))
            failures += class_misses(sample, nitrogen, phosphorus)
            writer.writerow(expected_row(sample, nitrogen, phosphorus))
            columns = sample.columns
            if nitrogen is not None:
                columns = with_nitrogen_results(columns, nitrogen)
            table.add_row(columns)
    return table, failures


def write_sample_list(db, folder):
    base = os.path.join(folder, SAMPLE_LIST_NAME)
    write_schema(base + ".schema.csv", USER_INPUT_COLUMNS)
    write_rows(base + ".csv", USER_INPUT_COLUMNS, [s.columns for s in samples.BATCH_SAMPLES])
    with open(os.path.join(folder, "SampleBatchList.expected.csv"), "w", newline="",
              encoding="utf-8") as out:
        writer = csv.writer(out, lineterminator="\n")
        writer.writerow(["RecordName", "Error", "Error_Dtld", "Shows"])
        for sample in samples.BATCH_SAMPLES:
            writer.writerow([sample.columns["RecordName"], sample.error, sample.message,
                             sample.shows])
            if not sample.error:
                print("  " + describe(sample, *evaluate(db, sample)))


def main(data_dir):
    tables_dir = os.path.join(data_dir, "tables")
    tables = reference_tables.all_tables()
    for table in tables:
        write_table(tables_dir, table)
    db = estimate.Tables(tables_dir)
    samples_dir = os.path.join(data_dir, "samples")
    os.makedirs(samples_dir, exist_ok=True)
    print("Sample assessments (UserInputs.dbf):")
    user_inputs, failures = user_table(db, os.path.join(samples_dir, "UserInputs.expected.csv"))
    write_table(tables_dir, user_inputs)
    print("Sample record list (samples/" + SAMPLE_LIST_NAME + "), calculated records:")
    write_sample_list(db, samples_dir)
    settings.write_all(os.path.join(data_dir, "settings"), tables + [user_inputs])
    documents.write_all(os.path.join(data_dir, "documents"))
    for failure in failures:
        print("MISSED: " + failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    default_data = os.path.normpath(os.path.join(here, "..", "..", "data"))
    sys.exit(main(sys.argv[1] if len(sys.argv) > 1 else default_data))
