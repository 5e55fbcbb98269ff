#include "model/Presets.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>

namespace brisko {

namespace {

// Every preset vertex is given twice in a row, as the shapes were recorded.
const QVector<QPoint> kDefaultShape = {{720, 540}, {0, 216}, {0, 540}, {0, 540}};
const QVector<QPoint> kRacerOuter = {{718, 537}, {718, 537}, {699, 494}, {699, 494}, {642, 427}, {642, 427}, {573, 386}, {572, 385}, {505, 358}, {505, 358}, {419, 333}, {419, 333}, {309, 324}, {309, 324}, {92, 259}, {92, 259}, {0, 259}, {0, 259}, {1, 538}, {1, 538}};
const QVector<QPoint> kRacerInner = {{715, 537}, {715, 537}, {696, 493}, {696, 493}, {667, 457}, {667, 457}, {639, 426}, {639, 426}, {600, 402}, {600, 402}, {567, 383}, {567, 383}, {500, 357}, {500, 356}, {415, 332}, {415, 331}, {310, 326}, {310, 326}, {296, 354}, {296, 354}, {325, 355}, {325, 355}, {407, 362}, {407, 362}, {493, 384}, {493, 384}, {558, 409}, {558, 409}, {620, 448}, {620, 448}, {655, 485}, {655, 485}, {664, 496}, {664, 496}, {679, 537}, {679, 537}};
const QVector<QPoint> kPickupOuter = {{715, 537}, {715, 537}, {714, 376}, {714, 376}, {346, 376}, {346, 376}, {346, 184}, {346, 184}, {0, 185}, {0, 185}, {0, 538}, {0, 538}};
const QVector<QPoint> kPickupInner = {{714, 535}, {714, 535}, {713, 375}, {713, 375}, {681, 377}, {681, 377}, {683, 506}, {683, 506}, {345, 506}, {345, 506}, {345, 375}, {345, 375}, {323, 360}, {323, 360}, {323, 220}, {323, 220}, {344, 211}, {344, 211}, {344, 185}, {344, 185}, {0, 184}, {0, 184}, {1, 213}, {1, 213}, {20, 213}, {20, 213}, {19, 333}, {19, 333}, {0, 333}, {0, 333}, {1, 538}, {1, 538}};
const QVector<QPoint> kTowTruckOuter = {{710, 531}, {710, 531}, {684, 396}, {684, 396}, {596, 382}, {596, 382}, {581, 237}, {581, 237}, {364, 219}, {364, 219}, {379, 360}, {379, 360}, {191, 318}, {191, 318}, {257, 503}, {257, 503}, {420, 511}, {420, 511}, {400, 248}, {400, 248}, {527, 266}, {527, 266}, {538, 377}, {537, 377}, {410, 361}, {410, 361}, {420, 512}, {420, 512}, {707, 531}, {707, 531}};
const QVector<QPoint> kTowTruckInner = {{709, 530}, {709, 530}, {703, 503}, {703, 503}, {668, 501}, {668, 501}, {655, 427}, {656, 427}, {689, 428}, {689, 428}, {683, 396}, {681, 396}, {574, 379}, {574, 379}, {562, 268}, {562, 268}, {584, 269}, {584, 268}, {582, 237}, {582, 237}, {364, 218}, {364, 218}, {378, 360}, {377, 358}, {139, 72}, {139, 72}, {69, 72}, {69, 72}, {25, 143}, {25, 143}, {107, 119}, {107, 119}, {187, 324}, {187, 324}, {1, 308}, {1, 308}, {0, 490}, {0, 490}, {673, 527}, {673, 527}, {710, 531}, {710, 531}};
const QVector<QPoint> kWheelieOuter = {{624, 536}, {624, 536}, {575, 538}, {575, 538}, {567, 488}, {567, 488}, {615, 493}, {615, 493}, {661, 458}, {661, 457}, {557, 330}, {557, 330}, {379, 459}, {379, 459}, {295, 432}, {295, 432}, {306, 383}, {306, 383}, {379, 406}, {379, 406}, {565, 273}, {565, 273}, {715, 474}, {715, 474}, {622, 537}, {622, 537}};
const QVector<QPoint> kWheelieInner = {{623, 538}, {623, 538}, {717, 473}, {717, 473}, {565, 272}, {565, 272}, {379, 405}, {378, 405}, {278, 377}, {278, 377}, {270, 426}, {271, 426}, {381, 459}, {381, 459}, {559, 332}, {559, 332}, {660, 458}, {660, 458}, {615, 493}, {615, 493}, {623, 536}, {623, 536}};

} // namespace

const QStringList& presetNames()
{
    static const QStringList names{QStringLiteral("Default Design"), QStringLiteral("Racer"),
                                   QStringLiteral("Pickup"), QStringLiteral("Tow Truck"), QStringLiteral("Wheelie")};
    return names;
}

QString presetListText(int position)
{
    return position == 0 ? QStringLiteral("Default design") : presetNames().value(position);
}

void loadPresetShape(CarDesign& design, int position, QPoint origin)
{
    static const std::array<std::pair<const QVector<QPoint>*, const QVector<QPoint>*>, kPresetCount> shapes{{
        {&kDefaultShape, &kDefaultShape},
        {&kRacerOuter, &kRacerInner},
        {&kPickupOuter, &kPickupInner},
        {&kTowTruckOuter, &kTowTruckInner},
        {&kWheelieOuter, &kWheelieInner},
    }};
    const auto& [outer, inner] = shapes.at(std::clamp(position, 0, kPresetCount - 1));
    auto shifted = [origin](const QVector<QPoint>& pts) {
        QVector<QPoint> out = pts;
        for (QPoint& p : out)
            p += origin;
        return out;
    };
    design.OuterOutline.setPoints(shifted(*outer));
    design.InnerOutline.setPoints(shifted(*inner));
}

void applyDefaultDesign(CarDesign& design)
{
    const CarDesign fresh;
    design.SpringWidth = fresh.SpringWidth;
    design.SpringLength = fresh.SpringLength;
    design.DriveAxleDiameter = fresh.DriveAxleDiameter;
    design.OtherAxleDiameter = fresh.OtherAxleDiameter;
    design.DriveAxleLength = fresh.DriveAxleLength;
    design.OtherAxleLength = fresh.OtherAxleLength;
    design.DriveWheelDiameter = fresh.DriveWheelDiameter;
    design.OtherWheelDiameter = fresh.OtherWheelDiameter;
    design.Drive = DriveType::RWD;
    design.Materials.fill(0);
    design.FrontAxle = FrontAxleLocation{};
    // Case ratio, friction force, chamber shape and step size are left as they are.
}

QString untitledName(QRandomGenerator& random)
{
    auto letter = [&random]() { return QChar(char16_t(u'A' + random.bounded(25))); }; // A..Y
    const QString letters = QString(letter()) + letter();
    return QStringLiteral("Untitled design ") + letters + QString::number(random.bounded(1000));
}

} // namespace brisko
