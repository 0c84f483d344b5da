#include "gui/bar_chart_widget.h"

#include "gui/qt_text.h"
#include "util/number_format.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace verdalis::gui {

namespace {

inline constexpr std::string_view valuePattern = "###,###,##0";
// Shares of the chart's width: the labels, and the room after the longest
// bar for its value.
inline constexpr qreal labelShare = 0.32;
inline constexpr qreal valueShare = 0.16;
inline constexpr qreal barShareOfRow = 0.7;
inline constexpr qreal bandAlpha = 0.35;
// An image is scaled down onto its page; its letters grow with it so that
// they stay readable there.
inline constexpr int imageRowsOfText = 28;
inline constexpr int smallestImageFontPixels = 12;

QColor toQColor(const Color& color)
{
    return {color.red, color.green, color.blue};
}

QString valueText(const ui::ChartBar& bar, const std::string& unit)
{
    std::string text = formatNumber(valuePattern, std::max(bar.value, 0.0));
    if (!unit.empty()) {
        text += " " + unit;
    }
    return toQt(text);
}

// The bands as shaded columns of the plot, each with its label at the top.
void paintBands(QPainter& painter, const QRectF& plot, const ui::BarChartData& chart, double scaleTop)
{
    double lower = 0;
    for (const ui::ValueBand& band : chart.bands) {
        const double upper = std::min(band.upTo, scaleTop);
        if (upper <= lower) {
            continue;
        }
        const qreal left = plot.left() + plot.width() * lower / scaleTop;
        const qreal right = plot.left() + plot.width() * upper / scaleTop;
        const QRectF column(left, plot.top(), right - left, plot.height());
        QColor shade = toQColor(band.color);
        shade.setAlphaF(bandAlpha);
        painter.fillRect(column, shade);
        painter.setPen(Qt::darkGray);
        painter.drawText(column, Qt::AlignHCenter | Qt::AlignTop, toQt(band.label));
        lower = upper;
    }
}

} // namespace

void paintBarChart(QPainter& painter, const QRectF& area, const ui::BarChartData& chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(painter.font());
    QRectF rest = area;
    if (!chart.title.empty()) {
        painter.setPen(Qt::black);
        painter.drawText(rest, Qt::AlignHCenter | Qt::AlignTop, toQt(chart.title));
        rest.setTop(rest.top() + metrics.height() * 1.4);
    }
    if (chart.bars.empty() || rest.height() <= 0) {
        painter.restore();
        return;
    }
    const double scaleTop = ui::chartScaleTop(chart);
    const qreal labelWidth = rest.width() * labelShare;
    const QRectF plot(rest.left() + labelWidth, rest.top(), rest.width() * (1 - labelShare - valueShare),
                      rest.height());
    paintBands(painter, plot, chart, scaleTop);

    const qreal rowHeight = rest.height() / static_cast<qreal>(chart.bars.size());
    for (size_t index = 0; index < chart.bars.size(); ++index) {
        const ui::ChartBar& bar = chart.bars[index];
        const qreal top = rest.top() + rowHeight * static_cast<qreal>(index);
        const QRectF labelBox(rest.left(), top, labelWidth - 6, rowHeight);
        painter.setPen(Qt::black);
        painter.drawText(labelBox, Qt::AlignRight | Qt::AlignVCenter, toQt(bar.label));
        const double value = std::isfinite(bar.value) ? std::clamp(bar.value, 0.0, scaleTop) : 0.0;
        const qreal length = plot.width() * value / scaleTop;
        const qreal barHeight = rowHeight * barShareOfRow;
        const QRectF barBox(plot.left(), top + (rowHeight - barHeight) / 2, length, barHeight);
        painter.fillRect(barBox, toQColor(bar.color));
        const QRectF valueBox(barBox.right() + 4, top, rest.right() - barBox.right() - 4, rowHeight);
        painter.drawText(valueBox, Qt::AlignLeft | Qt::AlignVCenter, valueText(bar, chart.unit));
    }
    painter.setPen(Qt::darkGray);
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.restore();
}

QImage renderBarChart(const ui::BarChartData& chart, QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(std::max(smallestImageFontPixels, size.height() / imageRowsOfText));
    painter.setFont(font);
    paintBarChart(painter, QRectF(QPointF(0, 0), QSizeF(size)), chart);
    return image;
}

void BarChartWidget::setData(ui::BarChartData chart)
{
    chart_ = std::move(chart);
    update();
}

void BarChartWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    paintBarChart(painter, QRectF(rect()), chart_);
}

} // namespace verdalis::gui
