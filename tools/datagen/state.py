"""The fictional state of Norvale: its counties, weather stations and soils.

Norvale runs from a tidewater coastal plain (province CP) over a clay-rich
piedmont (P) to the mountains (M). Each county has one weather station; its
location key (LKey) ties the county's soils, yields and station rows
together."""

from dataclasses import dataclass

STATE_NAME = "Norvale"


@dataclass(frozen=True)
class County:
    name: str
    lkey: str
    province: str
    station: str
    ann_ppt: float          # inches of precipitation a year
    et_base: float          # inches of evapotranspiration of corn on a loamy soil
    # Runoff (in/yr) from the curve number CN: CN_RO_Slope * e^(CN_RO_ExpFact * CN).
    cn_ro_slope: float
    cn_ro_expfact: float
    series: tuple           # (series key, slope phases) of the county's map units


@dataclass(frozen=True)
class Series:
    key: str
    name: str               # map unit name, as the soil survey writes it
    symbol: str             # two-letter start of the map unit symbol
    province: str
    hsg: str                # hydrologic soil group, decides the curve numbers
    drainage_class: str
    drainage_flag: str      # "1": the artificial drainage question applies
    clay: float             # percent clay of the surface layer
    smg: int                # soil management group
    p_threshold: float      # Mehlich-3 P (mg/kg) from which the subsoil is sampled
    wv_factor: float | None  # weight/volume ratio of a scooped sample (g/cm3)
    fep_factor: float       # iron-bound share of particulate P that stays bound
    tp_minus_12: float      # drainable porosity below 12 in, drives the drainage index
    t30_over_tp: float      # share of drained water that passes the 30 in layer
    surf_solp: str          # surface soluble P relation (Surface_SolPEq.db)
    subsoil_solp: str       # subsoil soluble P relation (Subsoil_SolPEq.db)
    subsoil_sample: str     # "Y": a high surface test calls for a 28-32 in sample
    et_soil_group: str      # 1 low, 2 medium, 3 high available water
    productivity: float     # relative to the province's best soil
    sandy: bool = False     # sandy soils need more N per unit of yield
    name_suffix: str = ""   # text after the slope phase of the map unit name


SERIES = {s.key: s for s in (
    # Coastal Plain
    Series("sandhurst", "Sandhurst sand", "Sa", "CP", "A", "Excessively drained", "0",
           4, 1, 60, 1.35, 0.70, 1.8, 0.55, "1", "1", "Y", "1", 0.70, sandy=True),
    Series("pinebarren", "Pinebarren loamy sand", "Pb", "CP", "A", "Well drained", "0",
           7, 2, 70, 1.30, 0.75, 1.6, 0.50, "1", "1", "Y", "1", 0.80, sandy=True),
    Series("cottonwood", "Cottonwood sandy loam", "Cw", "CP", "B", "Moderately well drained", "0",
           11, 3, 80, 1.25, 0.80, 1.4, 0.45, "2", "2", "Y", "2", 0.95, sandy=True),
    Series("marlow", "Marlow fine sandy loam", "Mf", "CP", "B", "Well drained", "0",
           14, 4, 100, 1.25, 0.85, 1.2, 0.40, "2", "2", "N", "2", 1.00),
    Series("oakridge", "Oakridge sandy clay loam", "Or", "CP", "B", "Well drained", "0",
           24, 9, 120, 1.20, 0.75, 1.0, 0.35, "3", "3", "N", "3", 0.95),
    Series("tidewell", "Tidewell fine sandy loam", "Tw", "CP", "D", "Poorly drained", "1",
           13, 6, 75, 1.25, 0.90, 1.2, 0.45, "2", "2", "Y", "2", 1.00),
    Series("cypresscreek", "Cypress Creek loam", "Cy", "CP", "C", "Somewhat poorly drained", "1",
           18, 8, 90, None, 0.85, 1.0, 0.40, "3", "2", "N", "2", 0.95),
    Series("brackwater", "Brackwater silt loam", "Bw", "CP", "D", "Poorly drained", "1",
           22, 7, 90, 1.15, 0.90, 0.9, 0.35, "3", "3", "Y", "3", 0.95),
    Series("fenmire", "Fenmire mucky loam", "Fm", "CP", "D", "Very poorly drained", "1",
           18, 27, 60, 0.85, 1.00, 1.4, 0.30, "4", "3", "Y", "3", 0.90),
    Series("saltmeadow", "Saltmeadow muck", "Sm", "CP", "D", "Very poorly drained", "1",
           10, 28, 60, 0.70, 1.00, 1.6, 0.25, "4", "3", "Y", "3", 0.75),
    # Piedmont
    Series("redfield", "Redfield sandy clay loam", "Rf", "P", "B", "Well drained", "0",
           28, 11, 120, 1.15, 0.60, 0.8, 0.30, "3", "3", "N", "3", 1.00),
    Series("ashgrove", "Ashgrove gravelly loam", "Ag", "P", "B", "Well drained", "0",
           18, 12, 110, 1.20, 0.70, 1.0, 0.35, "2", "2", "N", "2", 0.90),
    Series("granitehill", "Granite Hill sandy loam", "Gh", "P", "B", "Well drained", "0",
           12, 13, 80, 1.30, 0.75, 1.3, 0.45, "2", "1", "Y", "2", 0.85, sandy=True),
    Series("creekbend", "Creekbend silt loam", "Cb", "P", "B", "Moderately well drained", "0",
           20, 14, 100, 1.15, 0.80, 1.1, 0.40, "2", "2", "Y", "3", 1.05,
           name_suffix=": occasionally flooded"),
    Series("clayton", "Clayton clay loam", "Ct", "P", "C", "Well drained", "0",
           36, 15, 150, 1.10, 0.55, 0.6, 0.25, "4", "3", "N", "3", 0.80, name_suffix=", eroded"),
    Series("wetbottom", "Wetbottom loam", "Wb", "P", "C", "Somewhat poorly drained", "1",
           22, 16, 100, 1.15, 0.85, 0.9, 0.35, "3", "2", "N", "3", 0.95),
    Series("slatecreek", "Slatecreek channery silt loam", "Sc", "P", "C", "Well drained", "0",
           20, 17, 110, 1.20, 0.70, 0.9, 0.35, "3", "2", "N", "2", 0.85),
    # Mountains
    Series("highcrest", "Highcrest loam", "Hc", "M", "B", "Well drained", "0",
           18, 20, 110, 1.10, 0.75, 1.0, 0.35, "2", "2", "N", "2", 1.00),
    Series("laurel", "Laurel stony loam", "Ls", "M", "B", "Well drained", "0",
           15, 21, 100, 1.15, 0.80, 1.1, 0.40, "2", "2", "N", "1", 0.80),
    Series("ridgetop", "Ridgetop channery loam", "Rt", "M", "C", "Well drained", "0",
           20, 22, 100, 1.20, 0.75, 0.8, 0.35, "3", "2", "N", "1", 0.70),
    Series("coveland", "Coveland loam", "Cv", "M", "B", "Moderately well drained", "0",
           16, 23, 100, 1.05, 0.80, 1.1, 0.40, "2", "2", "Y", "2", 1.05),
    Series("riverflat", "Riverflat fine sandy loam", "Rv", "M", "A", "Well drained", "0",
           10, 24, 80, 1.25, 0.85, 1.5, 0.50, "1", "1", "Y", "2", 1.00, sandy=True),
    Series("bogmeadow", "Bogmeadow silt loam", "Bm", "M", "D", "Poorly drained", "1",
           20, 25, 90, 1.05, 0.95, 1.0, 0.30, "3", "3", "Y", "3", 0.80),
    Series("mistyhollow", "Mistyhollow silt loam", "Mh", "M", "C", "Moderately well drained", "0",
           22, 26, 110, 1.10, 0.80, 0.9, 0.35, "3", "2", "N", "3", 0.90),
)}

# Slope phase letter: (slope range of the map unit name, yield factor).
SLOPE_PHASES = {
    "A": ("0 to 2 percent slopes", 1.00),
    "B": ("2 to 6 percent slopes", 0.95),
    "C": ("6 to 10 percent slopes", 0.87),
    "D": ("10 to 15 percent slopes", 0.78),
    "E": ("15 to 25 percent slopes", 0.65),
}

COUNTIES = (
    County("Brackwater", "VD01", "CP", "Brackwater Landing", 50.2, 31.5, 0.0596, 0.060, (
        ("tidewell", "AB"), ("brackwater", "A"), ("fenmire", "A"), ("saltmeadow", "A"),
        ("cottonwood", "AB"), ("marlow", "AB"), ("cypresscreek", "A"), ("pinebarren", "B"))),
    County("Sandhurst", "VD02", "CP", "Sandhurst Airfield", 47.5, 31.0, 0.0564, 0.060, (
        ("sandhurst", "BC"), ("pinebarren", "AB"), ("cottonwood", "A"), ("marlow", "AB"),
        ("tidewell", "A"), ("oakridge", "BC"))),
    County("Marlow", "VD03", "CP", "Marlow Experiment Farm", 46.8, 31.0, 0.0556, 0.060, (
        ("marlow", "ABC"), ("oakridge", "BC"), ("cypresscreek", "A"), ("tidewell", "A"),
        ("cottonwood", "AB"), ("brackwater", "A"), ("sandhurst", "B"))),
    County("Redfield", "VD04", "P", "Redfield Courthouse", 45.1, 30.0, 0.0536, 0.060, (
        ("redfield", "BCD"), ("clayton", "CD"), ("creekbend", "A"), ("wetbottom", "A"),
        ("granitehill", "BC"), ("ashgrove", "B"))),
    County("Ashgrove", "VD05", "P", "Ashgrove Reservoir", 44.3, 29.5, 0.0526, 0.060, (
        ("ashgrove", "BCD"), ("slatecreek", "BC"), ("granitehill", "BC"), ("creekbend", "A"),
        ("redfield", "B"), ("wetbottom", "A"))),
    County("Highcrest", "VD06", "M", "Highcrest Ridge", 52.6, 27.0, 0.0625, 0.060, (
        ("highcrest", "BCD"), ("laurel", "CDE"), ("coveland", "B"), ("riverflat", "A"),
        ("bogmeadow", "A"), ("mistyhollow", "BC"))),
    County("Laurel Gap", "VD07", "M", "Laurel Gap Fire Tower", 55.4, 26.5, 0.0658, 0.060, (
        ("ridgetop", "CDE"), ("laurel", "CD"), ("coveland", "BC"), ("riverflat", "A"),
        ("mistyhollow", "B"), ("bogmeadow", "A"), ("highcrest", "B"))),
)


@dataclass(frozen=True)
class MapUnit:
    county: County
    series: Series
    phase: str
    musym: str
    muname: str
    mukey: str


def map_units():
    """Every map unit of every county, in county order; MUKey runs across the state."""
    units = []
    for county_number, county in enumerate(COUNTIES, start=1):
        unit_number = 0
        for series_key, phases in county.series:
            series = SERIES[series_key]
            for phase in phases:
                unit_number += 1
                slope_text = SLOPE_PHASES[phase][0]
                units.append(MapUnit(
                    county, series, phase,
                    musym=series.symbol + phase,
                    muname=f"{series.name}, {slope_text}{series.name_suffix}",
                    mukey=f"{400000 + county_number * 1000 + unit_number}"))
    return units


def county_by_name(name):
    return next(county for county in COUNTIES if county.name == name)


def map_unit(county_name, musym):
    return next(unit for unit in map_units()
                if unit.county.name == county_name and unit.musym == musym)
