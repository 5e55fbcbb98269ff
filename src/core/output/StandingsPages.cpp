#include "output/StandingsPages.h"

#include "render/SetStateView.h"
#include "render/StandingsChart.h"
#include "output/PdfFile.h"
#include "output/StandingsTable.h"

#include <QLocale>
#include <QPicture>

namespace brisko {

namespace {

constexpr int kPdfDotsPerInch = 300;
constexpr double kPdfMarginInches = 0.5;

// Page units are points (1/72 in) from the printable area's top-left corner.
constexpr double kTitleHeight = 54;
constexpr double kHeaderHeight = 32; // three lines of a wrapped column name
constexpr double kRowHeight = 50;
constexpr double kFooterHeight = 20;
constexpr double kChartTop = 58;
// The chart is painted in its own pixels, 96 to the inch as on a screen.
constexpr double kChartPixelsPerPoint = 96.0 / 72.0;
constexpr double kPictureWidth = 70;
constexpr double kPictureHeight = 46;
// The drawing area the pictures are laid out in: a step of the regions is about a
// quarter of a point in the box.
constexpr int kPictureAreaWidth = 320;
constexpr int kPictureAreaHeight = 240;

struct Column {
    StandingColumn Which;
    double Left;  // fraction of the page width
    double Width;
    Qt::Alignment Align;
};

// Place, picture, design and file, then the figures and the advisories.
const Column kColumns[] = {
    {StandingColumn::Place, 0.0, 0.045, Qt::AlignRight},
    {StandingColumn::Design, 0.195, 0.185, Qt::AlignLeft},
    {StandingColumn::Drive, 0.38, 0.055, Qt::AlignHCenter},
    {StandingColumn::Time, 0.435, 0.085, Qt::AlignRight},
    {StandingColumn::TopSpeed, 0.52, 0.08, Qt::AlignRight},
    {StandingColumn::ProjectedDistance, 0.6, 0.115, Qt::AlignRight},
    {StandingColumn::TotalMass, 0.715, 0.08, Qt::AlignRight},
    {StandingColumn::Advisories, 0.8, 0.2, Qt::AlignLeft},
};
constexpr double kPictureLeft = 0.058;
constexpr double kRefusalLeft = 0.38; // a refused file's reason takes the figures' place

QString pageHeader(StandingColumn column)
{
    switch (column) {
    case StandingColumn::Place: return QStringLiteral("#");
    case StandingColumn::TopSpeed: return QStringLiteral("Speed (ft/s)");
    case StandingColumn::TotalMass: return QStringLiteral("Mass (lbm)");
    default: return standingHeader(column);
    }
}

QFont fontOf(double size, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(qMax(1, qRound(size)));
    font.setBold(bold);
    return font;
}

class StandingsPainter {
public:
    StandingsPainter(QPainter& painter, double width, double height)
        : m_painter(painter), m_width(width), m_height(height)
    {
    }

    // The chart of the times, under the title, down to the footer.
    void chart(const StandingsChart& chart)
    {
        m_painter.save();
        m_painter.translate(0, kChartTop);
        m_painter.scale(1 / kChartPixelsPerPoint, 1 / kChartPixelsPerPoint);
        m_painter.setFont(fontOf(kChartFontPixels));
        const double height = m_height - kChartTop - kFooterHeight - 6;
        const QSizeF size(m_width * kChartPixelsPerPoint, height * kChartPixelsPerPoint);
        paintStandingsChart(m_painter, size, chart);
        m_painter.restore();
    }

    void title(const QDate& date, int page, int pages, const QString& what)
    {
        m_painter.setPen(Qt::black);
        m_painter.setFont(fontOf(22, true));
        m_painter.drawText(QRectF(0, 0, m_width, 30), Qt::AlignLeft | Qt::AlignVCenter, kStandingsTitle);
        m_painter.setFont(fontOf(10));
        const QString when = QLocale::c().toString(date, QStringLiteral("d MMMM yyyy"));
        m_painter.drawText(QRectF(0, 0, m_width, 30), Qt::AlignRight | Qt::AlignVCenter, when);
        m_painter.setFont(fontOf(8));
        m_painter.drawText(QRectF(0, 30, m_width, 16), Qt::AlignLeft | Qt::AlignVCenter,
                           what + QStringLiteral("; page %1 of %2").arg(page).arg(pages));
    }

    void header()
    {
        const double y = kTitleHeight;
        m_painter.fillRect(QRectF(0, y, m_width, kHeaderHeight), QColor(230, 230, 240));
        m_painter.setFont(fontOf(7.5, true));
        for (const Column& c : kColumns)
            m_painter.drawText(cell(c, y, kHeaderHeight).adjusted(2, 0, -2, 0), c.Align | Qt::AlignVCenter | Qt::TextWordWrap,
                               pageHeader(c.Which));
        m_painter.drawText(QRectF(m_width * kPictureLeft, y, kPictureWidth, kHeaderHeight), Qt::AlignCenter,
                           QStringLiteral("Car"));
    }

    void row(const StandingRow& r, int slot)
    {
        const double y = kTitleHeight + kHeaderHeight + slot * kRowHeight;
        if (slot % 2 == 1)
            m_painter.fillRect(QRectF(0, y, m_width, kRowHeight), QColor(246, 246, 250));
        m_painter.setPen(QColor(200, 200, 210));
        m_painter.drawLine(QPointF(0, y + kRowHeight), QPointF(m_width, y + kRowHeight));
        m_painter.setPen(Qt::black);
        if (!r.Refused)
            picture(r, QRectF(m_width * kPictureLeft, y + (kRowHeight - kPictureHeight) / 2, kPictureWidth, kPictureHeight));
        if (r.Refused)
            refusal(r, QRectF(m_width * kRefusalLeft, y, m_width * (1 - kRefusalLeft), kRowHeight));
        for (const Column& c : kColumns) {
            if (r.Refused && c.Which > StandingColumn::Design)
                continue;
            if (c.Which == StandingColumn::Design)
                designCell(r, cell(c, y, kRowHeight));
            else
                plainCell(r, c, cell(c, y, kRowHeight));
        }
    }

    void footer(int ranked, int refused)
    {
        const double y = m_height - kFooterHeight;
        m_painter.setPen(Qt::black);
        m_painter.drawLine(QPointF(0, y), QPointF(m_width, y));
        m_painter.setFont(fontOf(8));
        const QString counts = QStringLiteral("%1 %2 ranked; %3 %4 refused")
                                   .arg(ranked)
                                   .arg(ranked == 1 ? QStringLiteral("design") : QStringLiteral("designs"))
                                   .arg(refused)
                                   .arg(refused == 1 ? QStringLiteral("file") : QStringLiteral("files"));
        m_painter.drawText(QRectF(0, y, m_width, kFooterHeight), Qt::AlignLeft | Qt::AlignVCenter, counts);
        m_painter.drawText(QRectF(0, y, m_width, kFooterHeight), Qt::AlignRight | Qt::AlignVCenter,
                           QStringLiteral("Brisko"));
    }

private:
    QRectF cell(const Column& c, double y, double height) const
    {
        return QRectF(m_width * c.Left, y, m_width * c.Width, height);
    }

    void designCell(const StandingRow& r, const QRectF& box)
    {
        m_painter.setFont(fontOf(9, true));
        const QString name = r.Refused ? r.FileName : r.DesignName;
        m_painter.drawText(box.adjusted(0, 8, 0, -box.height() / 2), Qt::AlignLeft | Qt::AlignVCenter,
                           m_painter.fontMetrics().elidedText(name, Qt::ElideRight, qRound(box.width())));
        if (r.Refused)
            return;
        m_painter.setFont(fontOf(7));
        m_painter.setPen(QColor(90, 90, 90));
        m_painter.drawText(box.adjusted(0, box.height() / 2, 0, -8), Qt::AlignLeft | Qt::AlignVCenter,
                           m_painter.fontMetrics().elidedText(r.FileName, Qt::ElideMiddle, qRound(box.width())));
        m_painter.setPen(Qt::black);
    }

    void refusal(const StandingRow& r, const QRectF& box)
    {
        m_painter.setFont(fontOf(8));
        m_painter.setPen(QColor(170, 30, 30));
        m_painter.drawText(box.adjusted(2, 2, -2, -2), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                           QStringLiteral("Not ranked: ") + r.Message);
        m_painter.setPen(Qt::black);
    }

    void plainCell(const StandingRow& r, const Column& c, const QRectF& box)
    {
        const bool place = c.Which == StandingColumn::Place;
        const bool notes = c.Which == StandingColumn::Advisories;
        m_painter.setFont(fontOf(place ? 13 : notes ? 7 : 9, place));
        if (notes && (r.Refused || !r.Advisories.isEmpty()))
            m_painter.setPen(QColor(170, 30, 30));
        const QString text = notes && !r.Refused && r.Advisories.isEmpty() ? QStringLiteral("none")
                                                                            : standingText(r, c.Which);
        m_painter.drawText(box.adjusted(2, 2, -2, -2), c.Align | Qt::AlignVCenter | Qt::TextWordWrap, text);
        m_painter.setPen(Qt::black);
    }

    // The design view of the car, cut to its paper and the ground below it, painted
    // as vectors by the design view's painter, scaled into the box.
    void picture(const StandingRow& r, const QRectF& box)
    {
        const QPicture view = recordedView(r, box.size());
        m_painter.save();
        m_painter.setClipRect(box);
        m_painter.translate(box.topLeft());
        // A picture plays back at its own resolution's size; it was recorded at the box's.
        const QPaintDevice& page = *m_painter.device();
        m_painter.scale(double(view.logicalDpiX()) / page.logicalDpiX(), double(view.logicalDpiY()) / page.logicalDpiY());
        m_painter.drawPicture(0, 0, view);
        m_painter.restore();
        m_painter.setPen(QColor(160, 160, 170));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(box);
        m_painter.setPen(Qt::black);
    }

    // The view recorded on a picture, whose resolution is a screen's: the view's
    // texts, sized in points, keep the size they have on screen beside the car.
    static QPicture recordedView(const StandingRow& r, const QSizeF& box)
    {
        const QSize area(kPictureAreaWidth, kPictureAreaHeight);
        const ViewLayout layout = layoutView(area.width(), area.height());
        const QRectF paper(layout.PaperLeft, 0, layout.PaperViewWidth,
                           qMin(area.height(), qRound(layout.PaperViewHeight + 40 * layout.ViewScale)));
        CarDesign design = r.Design;
        MassModel model;
        QPicture view;
        QPainter onView(&view);
        onView.scale(box.width() / paper.width(), box.height() / paper.height());
        onView.translate(-paper.topLeft());
        paintSetStateView(onView, design, r.Materials, model, layout, area);
        onView.end();
        return view;
    }

    QPainter& m_painter;
    double m_width;
    double m_height;
};

} // namespace

int standingsTablePageCount(int rowCount)
{
    return qMax(1, (rowCount + kStandingsPerPage - 1) / kStandingsPerPage);
}

namespace {

int chartPageCount(const StandingsChart& chart)
{
    const int bars = static_cast<int>(chart.Bars.size());
    return (bars + kStandingBarsPerPage - 1) / kStandingBarsPerPage;
}

const QString kTablePages = QStringLiteral("Every design simulated from rest over the 15 ft track");
const QString kChartPages = QStringLiteral("Time to 15 ft of every design that reached it, by place");

} // namespace

int standingsPageCount(const QVector<StandingRow>& rows)
{
    return standingsTablePageCount(static_cast<int>(rows.size())) + chartPageCount(standingsChartOf(rows));
}

bool printStandings(PageStream& pages, const QVector<StandingRow>& rows, const QDate& date)
{
    const int count = static_cast<int>(rows.size());
    const int tablePages = standingsTablePageCount(count);
    const StandingsChart chart = standingsChartOf(rows);
    const int total = tablePages + chartPageCount(chart);
    const int refused =
        static_cast<int>(std::count_if(rows.begin(), rows.end(), [](const StandingRow& r) { return r.Refused; }));
    for (int page = 0; page < total; ++page) {
        QPainter* painter = pages.nextPage(QPageLayout::Portrait);
        if (!painter)
            return false;
        painter->save();
        const double scale = painter->device()->logicalDpiX() / 72.0;
        painter->scale(scale, scale);
        painter->setRenderHint(QPainter::Antialiasing);
        StandingsPainter paint(*painter, painter->device()->width() / scale, painter->device()->height() / scale);
        if (page < tablePages) {
            paint.title(date, page + 1, total, kTablePages);
            paint.header();
            for (int slot = 0; slot < kStandingsPerPage; ++slot) {
                const int index = page * kStandingsPerPage + slot;
                if (index < count)
                    paint.row(rows[index], slot);
            }
        } else {
            // This page's bars, on the scale of the whole chart; the uncharted are told on the last.
            const int first = (page - tablePages) * kStandingBarsPerPage;
            const bool last = page + 1 == total;
            StandingsChart part;
            part.AxisTime = 0;
            for (const StandingBar& bar : chart.Bars)
                part.AxisTime = std::max(part.AxisTime, bar.Time);
            part.Bars.assign(chart.Bars.begin() + first,
                             chart.Bars.begin() + std::min<int>(first + kStandingBarsPerPage, int(chart.Bars.size())));
            part.Short = last ? chart.Short : 0;
            part.Refused = last ? chart.Refused : 0;
            paint.title(date, page + 1, total, kChartPages);
            paint.chart(part);
        }
        paint.footer(count - refused, refused);
        painter->restore();
    }
    return true;
}

QString printStandings(QPagedPaintDevice& device, const QVector<StandingRow>& rows, const QDate& date)
{
    PagedDeviceStream stream(device);
    if (!printStandings(stream, rows, date) || !stream.finish())
        return QStringLiteral("The standings could not be printed.");
    return {};
}

QString writeStandingsPdf(const QString& path, const QVector<StandingRow>& rows, const QDate& date,
                          const QPageSize& paper)
{
    const PdfFileSettings settings{paper, QPageLayout::Portrait, kPdfMarginInches, kPdfDotsPerInch, kStandingsTitle};
    return writePdfFile(path, settings, [&](QPdfWriter& pdf) { return printStandings(pdf, rows, date); });
}

} // namespace brisko
