"""Field practices and inputs: BMPs with their N and P factors, cover crops,
nutrient sources, application methods, receiving slope distances, soluble P
relations and the slope yield classes."""

# BMP_ID roles: 1 and 2 are the buffers whose widths the N reductions use
# (2, the tree/shrub buffer, is no longer accepted from saved records); 3 asks
# for the acres it affects; 4 to 6 act on phosphorus only; 5 leaves the
# manure's particulate P alone; 6 also cuts soluble P.
BMPS = (
    ("1", "Grass Filter Strip", "Buffer", "1"),
    ("2", "Tree/Shrub Buffer", "Buffer", "1"),
    ("3", "Controlled Drainage", "Water Management", "0"),
    ("4", "Contour Strip Cropping", "Erosion Control", "0"),
    ("5", "Grassed Waterway", "Erosion Control", "0"),
    ("6", "Constructed Wetland", "Water Treatment", "0"),
)

# Percent N reduction of the buffers by minimum width (ft), and of BMP 3.
BUFFER_N_REDUCTION = {
    "1": {20: 20, 30: 25, 50: 35, 70: 40, 100: 45},
    "2": {20: 30, 30: 35, 50: 45, 70: 50, 100: 55},
}
BMP3_N_REDUCTION = 40

# Share of P delivered past the practice, for the non-buffer BMPs.
BMP_P_DELIVERY = {"3": 0.85, "4": 0.75, "5": 0.80, "6": 0.60}
# Share of P delivered past a buffer of at least the given total width (ft).
BUFFER_P_DELIVERY = {0: 1.00, 5: 0.95, 10: 0.85, 15: 0.80, 20: 0.75, 25: 0.70,
                     30: 0.65, 50: 0.55, 75: 0.45, 100: 0.40}

# Cover crops: name as listed (at most 10 characters), full name, percent N reduction.
COVER_CROPS = (
    ("Cereal Rye", "Cereal rye, planted by October 15", 45),
    ("Barley", "Winter barley, planted by October 15", 35),
    ("Wheat", "Winter wheat, planted by October 31", 30),
    ("Oats", "Spring oats (winter-killed)", 20),
    ("Triticale", "Winter triticale, planted by October 15", 40),
    ("Radish", "Forage radish (winter-killed)", 25),
    ("Crimson Cl", "Crimson clover", 10),
    ("Rye+Vetch", "Cereal rye and hairy vetch mix", 35),
)

# Application methods; AppID 6 is surface application (its factor is not used).
APP_METHODS = (
    ("1", "Injected below the surface", 0.20),
    ("2", "Incorporated within 24 hours", 0.40),
    ("3", "Incorporated within 1 week", 0.70),
    ("4", "Banded at planting", 0.50),
    ("5", "Surface applied on frozen or snow-covered ground", 1.50),
    ("6", "Surface applied, not incorporated", 1.00),
)

# Nutrient sources. Manures carry their P2O5 content per unit and the soluble
# and non-soluble P (lb P per unit) that make it up; fertilizers carry no
# default content (the planner enters % P2O5 or lb P2O5) and no non-soluble P.
# Columns: id, description, type, lb P2O5 per unit, content unit, application
# units, soluble P, non-soluble P, SPAF, NonSPAF, surface factor, injected or
# incorporated factor.
NUTRIENT_SOURCES = (
    ("101", "Triple Superphosphate 0-46-0", "Fertilizer", 0, "% P2O5", "lb/ac", 0, 0, 0.40, 0, 1.0, 1.0),
    ("102", "Diammonium Phosphate 18-46-0", "Fertilizer", 0, "% P2O5", "lb/ac", 0, 0, 0.40, 0, 1.0, 1.0),
    ("103", "Monoammonium Phosphate 11-52-0", "Fertilizer", 0, "% P2O5", "lb/ac", 0, 0, 0.40, 0, 1.0, 1.0),
    ("104", "Complete Fertilizer 10-10-10", "Fertilizer", 0, "% P2O5", "lb/ac", 0, 0, 0.40, 0, 1.0, 1.0),
    ("105", "Starter Fertilizer 5-15-15", "Fertilizer", 0, "% P2O5", "lb/ac", 0, 0, 0.40, 0, 1.0, 1.0),
    ("106", "Liquid Fertilizer 10-34-0", "Fertilizer", 0, "% P2O5", "gal/ac", 0, 0, 0.40, 0, 1.0, 1.0),
    ("107", "Urea 46-0-0", "Fertilizer", 0, "% P2O5", "lb/ac", 0, 0, 0.40, 0, 1.0, 1.0),
    ("201", "Broiler Litter", "Manure", 60, "lb/ton", "tons/ac", 7.9, 18.3, 0.60, 0.15, 0.80, 0.95),
    ("202", "Turkey Litter", "Manure", 55, "lb/ton", "tons/ac", 7.2, 16.8, 0.60, 0.15, 0.80, 0.95),
    ("203", "Layer Manure", "Manure", 80, "lb/ton", "tons/ac", 8.4, 26.5, 0.60, 0.15, 0.80, 0.95),
    ("204", "Dairy Manure, Solid", "Manure", 10, "lb/ton", "tons/ac", 1.5, 2.9, 0.50, 0.15, 0.85, 0.95),
    ("205", "Dairy Manure, Liquid", "Manure", 20, "lb/1000 gal", "1000gal/ac", 3.5, 5.2, 0.50, 0.15, 0.85, 0.95),
    ("206", "Swine Lagoon Effluent", "Manure", 5, "lb/1000 gal", "1000gal/ac", 1.4, 0.8, 0.70, 0.15, 0.85, 0.95),
    ("207", "Beef Feedlot Manure", "Manure", 24, "lb/ton", "tons/ac", 3.1, 7.4, 0.50, 0.15, 0.85, 0.95),
    ("208", "Horse Manure", "Manure", 9, "lb/ton", "tons/ac", 1.0, 2.9, 0.50, 0.15, 0.85, 0.95),
    ("209", "Municipal Biosolids", "Biosolids", 70, "lb/ton", "tons/ac", 3.0, 27.6, 0.40, 0.10, 0.80, 0.95),
    ("210", "Yard Waste Compost", "Compost", 6, "lb/ton", "tons/ac", 0.4, 2.2, 0.40, 0.10, 0.90, 0.95),
)

# Receiving slope distance to the nearest water (ft), in list order, and the
# share of eroded particulate P that reaches it.
DELIVERY = (
    ("0 - 100", 0.90),
    ("101 - 300", 0.70),
    ("301 - 500", 0.50),
    ("501 - 1000", 0.35),
    ("1001 - 2000", 0.20),
    ("Over 2000", 0.10),
)

# Dissolved P in runoff (mg/L) per mg/kg Mehlich-3 P of the surface, by relation.
SURFACE_SOLP = (
    ("1", 0.0040, "Sands and loamy sands"),
    ("2", 0.0055, "Sandy and fine sandy loams"),
    ("3", 0.0070, "Loams, silt loams and clay loams"),
    ("4", 0.0085, "Mucks and eroded clays"),
)
# Dissolved P in drainage water (mg/L) per mg/kg Mehlich-3 P of the subsoil.
SUBSOIL_SOLP = (
    ("1", 0.0060, "Sandy subsoils with little iron and aluminium"),
    ("2", 0.0045, "Loamy subsoils"),
    ("3", 0.0030, "Clayey or iron-rich subsoils"),
)

# Field slope classes and the share of the realistic yield they keep.
SLOPE_YIELD_CLASSES = (
    ("0-2%", 0, 2, 1.00),
    ("3-4%", 3, 4, 0.98),
    ("5-6%", 5, 6, 0.95),
    ("7-8%", 7, 8, 0.92),
    ("9-10%", 9, 10, 0.87),
    ("11-15%", 11, 15, 0.80),
    ("16% or more", 16, 100, 0.70),
)
