#include "topology_report.h"

namespace linedump {

namespace {

using strandel::LineDataSet;
using strandel::LineKnot;
using strandel::LinePolyline;

const char* typeName(const LineDataSet& dataSet)
{
    return dataSet.type == strandel::LineType::A ? "A" : "B";
}

strandel::LinePoint firstPoint(const LinePolyline& line)
{
    return line.points.empty() ? strandel::LinePoint{} : line.points.front();
}

strandel::LinePoint lastPoint(const LinePolyline& line)
{
    return line.points.empty() ? strandel::LinePoint{} : line.points.back();
}

void writeText(std::ostream& out, const LineDataSet& dataSet, const Sections& sections)
{
    if (sections.header) {
        out << "header type " << typeName(dataSet) << " polylines " << dataSet.polylineCount << " valid "
            << dataSet.validPolylines << " knots " << dataSet.knotCount << " bound " << dataSet.coordinateBound << '\n';
    }
    if (sections.polylines) {
        for (const LinePolyline& line : dataSet.polylines) {
            out << "polyline " << line.id << " points " << line.points.size() << " attribute " << line.attribute
                << " knots " << line.startKnot << ' ' << line.endKnot << " links " << line.startLink << ' '
                << line.endLink << " from " << firstPoint(line).x << ' ' << firstPoint(line).y << " to "
                << lastPoint(line).x << ' ' << lastPoint(line).y << '\n';
        }
    }
    if (sections.knots) {
        for (const LineKnot& knot : dataSet.knots) {
            out << "knot " << knot.number << " at " << knot.position.x << ' ' << knot.position.y << " ends";
            for (size_t i = 0; i < knot.ends.size(); ++i) {
                out << ' ' << (knot.ends[i] > 0 ? "+" : "") << knot.ends[i] << '@' << knot.angles[i];
            }
            out << '\n';
        }
    }
}

void writeCsv(std::ostream& out, const LineDataSet& dataSet, const Sections& sections)
{
    if (sections.header) {
        out << "type,polylines,valid,knots,bound\n"
            << typeName(dataSet) << ',' << dataSet.polylineCount << ',' << dataSet.validPolylines << ','
            << dataSet.knotCount << ',' << dataSet.coordinateBound << "\n\n";
    }
    if (sections.polylines) {
        out << "id,points,attribute,start_knot,end_knot,start_link,end_link,first_x,first_y,last_x,last_y\n";
        for (const LinePolyline& line : dataSet.polylines) {
            out << line.id << ',' << line.points.size() << ',' << line.attribute << ',' << line.startKnot << ','
                << line.endKnot << ',' << line.startLink << ',' << line.endLink << ',' << firstPoint(line).x << ','
                << firstPoint(line).y << ',' << lastPoint(line).x << ',' << lastPoint(line).y << '\n';
        }
        out << '\n';
    }
    if (sections.knots) {
        out << "knot,x,y,end,angle\n";
        for (const LineKnot& knot : dataSet.knots) {
            for (size_t i = 0; i < knot.ends.size(); ++i) {
                out << knot.number << ',' << knot.position.x << ',' << knot.position.y << ',' << knot.ends[i] << ','
                    << knot.angles[i] << '\n';
            }
        }
    }
}

} // namespace

void writeReport(std::ostream& out, const LineDataSet& dataSet, Format format, const Sections& sections)
{
    out.precision(9);
    if (format == Format::Csv) {
        writeCsv(out, dataSet, sections);
    } else {
        writeText(out, dataSet, sections);
    }
}

} // namespace linedump
