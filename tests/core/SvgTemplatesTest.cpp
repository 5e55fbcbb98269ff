// The SVG cutting templates hold the whole template: a view box over everything
// the layer reaches, beyond the paper too, and the exact size in millimetres.
#include "GuiApp.h"

#include "model/Presets.h"
#include "output/TemplateSvg.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brisko;
using namespace brisko::test;

namespace {

PaperPrototype racerWithSpring(const QString& springLength)
{
    CarDesign d;
    loadPresetShape(d, 1);
    if (!springLength.isEmpty())
        d.SpringLength = springLength;
    return paperPrototypeOf(d, MaterialLibrary(), QStringLiteral("Racer"));
}

// Every number pair of the SVG's paths and every circle's extreme points.
QVector<QPointF> svgPoints(const QString& svg)
{
    QVector<QPointF> points;
    static const QRegularExpression path(QStringLiteral(" d=\"([^\"]*)\""));
    static const QRegularExpression pair(QStringLiteral("(-?[0-9.]+(?:e-?[0-9]+)?),(-?[0-9.]+(?:e-?[0-9]+)?)"));
    for (auto p = path.globalMatch(svg); p.hasNext();)
        for (auto it = pair.globalMatch(p.next().captured(1)); it.hasNext();) {
            const auto m = it.next();
            points << QPointF(m.captured(1).toDouble(), m.captured(2).toDouble());
        }
    static const QRegularExpression circle(QStringLiteral("<circle cx=\"([^\"]*)\" cy=\"([^\"]*)\" r=\"([^\"]*)\""));
    for (auto c = circle.globalMatch(svg); c.hasNext();) {
        const auto m = c.next();
        const QPointF centre(m.captured(1).toDouble(), m.captured(2).toDouble());
        const double r = m.captured(3).toDouble();
        points << centre - QPointF(r, r) << centre + QPointF(r, r);
    }
    return points;
}

QString svgText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

TEST(SvgTemplates, HoldEveryPartInTheirViewBoxAtTheirExactSize)
{
    ensureGuiApp();
    QTemporaryDir dir;
    ASSERT_EQ(exportTemplateSvgs(racerWithSpring(QStringLiteral("240")), dir.path(), QStringLiteral("Racer")).size(), 4);
    static const QRegularExpression header(
        QStringLiteral("width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\"\\s+viewBox=\"([^\"]*)\""));
    for (const char* name : {"outer layer", "inner layer", "drive wheel", "other wheel"}) {
        const QString svg = svgText(dir.filePath(QStringLiteral("Racer %1.svg").arg(QLatin1String(name))));
        const auto m = header.match(svg);
        ASSERT_TRUE(m.hasMatch()) << name;
        const QStringList box = m.captured(3).split(QLatin1Char(' '));
        ASSERT_EQ(box.size(), 4) << name;
        const QRectF viewBox(box[0].toDouble(), box[1].toDouble(), box[2].toDouble(), box[3].toDouble());
        EXPECT_NEAR(m.captured(1).toDouble(), viewBox.width() * 25.4, 0.001) << name;
        EXPECT_NEAR(m.captured(2).toDouble(), viewBox.height() * 25.4, 0.001) << name;
        const QVector<QPointF> points = svgPoints(svg);
        EXPECT_GE(points.size(), 3) << name;
        for (const QPointF& point : points)
            EXPECT_TRUE(viewBox.adjusted(-1e-9, -1e-9, 1e-9, 1e-9).contains(point))
                << name << ": " << point.x() << "," << point.y() << " outside " << m.captured(3).toStdString();
        if (QLatin1String(name) == QLatin1String("outer layer")) {
            EXPECT_LT(viewBox.top(), -2.78) << "the case above the paper";
            EXPECT_GT(viewBox.right(), 10.78) << "and past its right edge";
        }
    }

    ASSERT_EQ(exportTemplateSvgs(racerWithSpring({}), dir.path(), QStringLiteral("Fits")).size(), 4);
    const QString wheel = svgText(dir.filePath(QStringLiteral("Fits drive wheel.svg")));
    EXPECT_TRUE(wheel.contains(QStringLiteral("width=\"121.92mm\" height=\"121.92mm\""))) << "the 4.80 in wheel";
    EXPECT_TRUE(wheel.contains(QStringLiteral("viewBox=\"0 0 4.8 4.8\"")));
}
