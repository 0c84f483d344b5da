"""The settings files of the program folder: TableLocations.ini (where each
table lies, the version record and the update settings) and
AutoCheckSettings.ini (automatic update checks off)."""

import os

VERSION_TYPE = "Public"
VERSION_NUMBER = "1.0"
VERSION_DATE = "12/10/2026"

# Update settings. The server name uses the reserved .invalid domain, so no
# update run can reach a real host until the update server exists.
DOWNLOAD_SETTINGS = (
    ("MainProgramName", "TambZorvUpdate.exe"),
    ("DirOnFTPServer", "Tamb\\AutoUpdate"),
    ("FTPAddress", "updates.verdalis.invalid"),
    ("InstallLocation", "ApplicationDir"),
    ("RunProgramAfterDownload", "false"),
)

# Names under which the program asks for a table when they differ in letter
# case from the file name (keys compare without regard to case, files are
# found the same way).
ASKED_NAMES = {"Yields_And_N_Factors.db": "Yields_And_N_Factors.DB"}


def ini_text(sections):
    lines = []
    for section, entries in sections:
        if lines:
            lines.append("")
        lines.append(f"[{section}]")
        lines.extend(f"{key}={value}" for key, value in entries)
    return "\n".join(lines) + "\n"


def table_locations(tables):
    entries = sorted((ASKED_NAMES.get(t.file_name, t.file_name), "\\" + t.folder) for t in tables)
    return ini_text((
        ("TableLocations", entries),
        ("Version Changes", (("VersionType", VERSION_TYPE), ("VersionNum", VERSION_NUMBER),
                             ("VersionDate", VERSION_DATE))),
        ("Download Settings", DOWNLOAD_SETTINGS),
    ))


def write_all(folder, tables):
    os.makedirs(folder, exist_ok=True)
    files = {
        "TableLocations.ini": table_locations(tables),
        "AutoCheckSettings.ini": ini_text((("Download Settings", (("AutoCheckForUpdates", "false"),)),)),
    }
    for name, content in files.items():
        with open(os.path.join(folder, name), "w", encoding="utf-8", newline="\n") as out:
            out.write(content)
