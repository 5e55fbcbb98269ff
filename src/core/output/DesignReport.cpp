#include "output/DesignReport.h"

#include "render/TextDrawing.h"
#include "text/NumberText.h"

namespace brisko {

namespace {

constexpr float kLineDivisor = 8.333f; // 1/600 inch to drawing pixels, as the report was laid out
constexpr float kLeftColumn = 36.0f;
constexpr float kRightColumn = 270.0f;
constexpr int kTitle = 16;
constexpr int kSection = 14;
constexpr int kBody = 9;

// A figure with two decimals; a text that opens with "[" (a run that never reached
// 15 ft) stays as it is, and so does a text that is no number.
QString twoDecimals(const QString& text)
{
    return resultForm(text).value_or(text);
}

QString boardLine(const QString& caption, const BoardTexts& b, const QString& densityCaption)
{
    return caption + b.Name + QStringLiteral(" (t= ") + b.Thickness + QStringLiteral(" in, ") + densityCaption +
           b.Density + QStringLiteral(" lb/cu in)");
}

void addParameters(QVector<ReportLine>& lines, const DesignReportTexts& t)
{
    lines += {
        {50, ReportColumn::Left, kTitle, QStringLiteral("BRISKO Design Report for ") + t.DesignName},
        {200, ReportColumn::Left, kTitle, QStringLiteral("Design Parameters:")},
        {350, ReportColumn::Left, kBody, QStringLiteral("Spring Width: ") + t.SpringWidth + QStringLiteral(" in")},
        {450, ReportColumn::Left, kBody, QStringLiteral("Spring Length: ") + t.SpringLength + QStringLiteral(" in")},
        {550, ReportColumn::Left, kBody, QStringLiteral("Axle Length: ") + t.AxleLength + QStringLiteral(" in")},
        {650, ReportColumn::Left, kBody,
         QStringLiteral("Left (Drive) Wheel Dia: ") + t.DriveWheelDia + QStringLiteral(" in")},
        {750, ReportColumn::Left, kBody,
         QStringLiteral("Right (Other) Wheel Dia: ") + t.OtherWheelDia + QStringLiteral(" in")},
        {850, ReportColumn::Left, kBody,
         QStringLiteral("Left (Drive) Axle Dia: ") + t.DriveAxleDia + QStringLiteral(" in")},
        {950, ReportColumn::Left, kBody,
         t.AllWheelDrive ? QStringLiteral("Right (Drive) Axle Dia: ") + t.DriveAxleDia + QStringLiteral(" in")
                         : QStringLiteral("Right (Other) Axle Dia: ") + t.OtherAxleDia + QStringLiteral(" in")},
    };
}

void addMaterials(QVector<ReportLine>& lines, const DesignReportTexts& t)
{
    const QString dens = QStringLiteral("dens= ");
    lines += {
        {1150, ReportColumn::Left, kSection, QStringLiteral("Materials and Assumptions: ")},
        {1350, ReportColumn::Left, kBody, boardLine(QStringLiteral("Outer layers: "), t.OuterBoard, dens)},
        {1450, ReportColumn::Left, kBody, boardLine(QStringLiteral("Inner layers: "), t.InnerBoard, dens)},
        {1550, ReportColumn::Left, kBody, boardLine(QStringLiteral("Left (Drive) wheels: "), t.DriveWheelBoard, dens)},
        {1650, ReportColumn::Left, kBody,
         boardLine(QStringLiteral("Right (Other) wheels: "), t.OtherWheelBoard, QStringLiteral("dens="))},
        {1750, ReportColumn::Left, kBody,
         QStringLiteral("Left (Drive) axle: ") + t.DriveAxleName + QStringLiteral(" (") + t.DriveAxleDensity +
             QStringLiteral(" lbm/cu in)")},
        {1850, ReportColumn::Left, kBody,
         QStringLiteral("Right (Other) axle: ") + t.OtherAxleName + QStringLiteral(" (") + t.OtherAxleDensity +
             QStringLiteral(" lbm/cu in)")},
        {1950, ReportColumn::Left, kBody,
         QStringLiteral("Spring: ") + t.SpringName + QStringLiteral(" (t=") + t.SpringThickness + QStringLiteral(" in)")},
        {2050, ReportColumn::Left, kBody,
         QStringLiteral("Tread: ") + t.TreadName + QStringLiteral(" (mu=") + t.TreadFriction + QStringLiteral(")")},
        {2150, ReportColumn::Left, kBody,
         QStringLiteral("Maximum torque: ") + t.TorqueEntry0 + QStringLiteral(" in-lb (width= ") + t.SampleWidth +
             QStringLiteral(" in)")},
        {2250, ReportColumn::Left, kBody,
         QStringLiteral("Finite element size: ") + t.ElementSize + QStringLiteral(" pixels")},
    };
}

void addPerformance(QVector<ReportLine>& lines, const DesignReportTexts& t)
{
    const auto body = [](int y, ReportColumn column, const char* caption, const QString& value, const char* unit) {
        return ReportLine{y, column, kBody,
                          QString::fromLatin1(caption) + twoDecimals(value) + QString::fromLatin1(unit)};
    };
    const ReportColumn L = ReportColumn::Left;
    const ReportColumn R = ReportColumn::Right;
    lines += {
        {2550, L, kSection, QStringLiteral("Predicted Performance and Physical Characteristics:")},
        body(2750, L, "Revolutions: ", t.Revolutions, " turns"),
        body(2750, R, "Time to 15 ft:", t.TimeTo15, " sec"),
        body(2850, R, "Speed at 15 ft:", t.SpeedAt15, " ft/sec"),
        body(2950, R, "Projected Distance: ", t.ProjectedDistance, " ft"),
        {3150, R, kBody, QStringLiteral("ADVISORIES: ")},
        {3250, ReportColumn::RightIndented, kBody,
         t.Skid ? QStringLiteral("Skid advisory!") : QStringLiteral("No advisories")},
        body(2850, L, "Predicted propulsive force: ", t.PropulsiveForce, " lb"),
        body(2950, L, "Predicted traction, left: ", t.TractionLeft, " lb"),
        body(3050, L, "Predicted traction, right: ", t.TractionRight, " lb"),
        body(3150, L, "Board Mass: ", t.BoardMass, " lbm"),
        body(3250, L, "Spring Mass: ", t.SpringMass, " lbm"),
        body(3350, L, "Axle Mass: ", t.AxleMass, " lbm"),
        body(3450, L, "Total Car Mass: ", t.TotalMass, " lbm"),
    };
}

void addDetails(QVector<ReportLine>& lines, const DesignReportTexts& t)
{
    const auto body = [](int y, const char* caption, const QString& value, const char* unit) {
        return ReportLine{y, ReportColumn::Left, kBody,
                          QString::fromLatin1(caption) + twoDecimals(value) + QString::fromLatin1(unit)};
    };
    lines += {
        {3800, ReportColumn::Left, kSection, QStringLiteral("Details:")},
        body(4000, "Predicted Max Torque: ", t.MaxTorque, " in-lb"),
        body(4100, "Chamber inner diameter: ", t.ChamberInnerDia, " in"),
        body(4200, "Chamber outer diameter: ", t.ChamberOuterDia, " in"),
        body(4300, "Chamber width: ", t.ChamberWidth, " in"),
        body(4400, "Car width: ", t.CarWidth, " in"),
        body(4500, "Total number of layers: ", t.TotalLayers, " layers"),
        body(4600, "Cored layers: ", t.CoredLayers, ""),
        body(4700, "Non-cored layers: ", t.NonCoredLayers, ""),
        body(4800, "Bottles needed: ", t.BottlesNeeded, ""),
        body(4900, "Overall x-centroid: ", t.CentroidX, " in"),
        body(5100, "Normal force on drive wheel, unwound: ", t.NormalUnwound, " lb"),
        body(5200, "Normal force on drive wheel, wound: ", t.NormalWound, " lb"),
        body(5300, "Normal force, other wheel: ", t.NormalOther, " lb"),
    };
}

} // namespace

QVector<ReportLine> designReportLines(const DesignReportTexts& texts)
{
    QVector<ReportLine> lines;
    addParameters(lines, texts);
    addMaterials(lines, texts);
    addPerformance(lines, texts);
    addDetails(lines, texts);
    return lines;
}

QPoint reportLinePosition(const ReportLine& line, const Frame& printer)
{
    const int y = nearest(static_cast<float>(line.Y) / kLineDivisor * printer.ScaleY);
    const int left = nearest(kLeftColumn * printer.ScaleX);
    const int right = nearest(kRightColumn * printer.ScaleX);
    switch (line.Column) {
    case ReportColumn::Left: return {left, y};
    case ReportColumn::Right: return {right, y};
    case ReportColumn::RightIndented: return {right + left, y};
    }
    return {left, y};
}

void paintDesignReport(QPainter& painter, const DesignReportTexts& texts, const Frame& printer)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (const ReportLine& line : designReportLines(texts))
        drawLabel(painter, reportLinePosition(line, printer), line.Text, line.PointSize);
    painter.restore();
}

} // namespace brisko
