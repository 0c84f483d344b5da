// Draws a bar chart of the control model: one horizontal bar per entry,
// its label on the left and its value after it, over the labelled value
// bands when the chart has them. The same drawing serves the Main tab's
// widget and the charts of the PDF report.
#pragma once

#include "ui/bar_chart.h"

#include <QImage>
#include <QWidget>

class QPainter;

namespace verdalis::gui {

// Draws the chart into the rectangle (in the painter's coordinates).
void paintBarChart(QPainter& painter, const QRectF& area, const ui::BarChartData& chart);

// The chart drawn on a white image of the size.
QImage renderBarChart(const ui::BarChartData& chart, QSize size);

class BarChartWidget : public QWidget {
public:
    explicit BarChartWidget(QWidget* parent) : QWidget(parent) {}

    const ui::BarChartData& data() const { return chart_; }
    void setData(ui::BarChartData chart);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::BarChartData chart_;
};

} // namespace verdalis::gui
