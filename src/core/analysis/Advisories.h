#pragma once
// The build advisories: which warnings the advisories window shows after a refresh.
#include "model/AdvisoryFlags.h"
#include "model/CarDesign.h"

#include <QString>

namespace brisko {

inline constexpr float kPaperHeightInches = 7.5f;
inline constexpr int kDynamicStateNumber = 5;

namespace advisory {
inline const QString kSkidText = QStringLiteral("Skid advisory.");
inline const QString kCarTooBigText = QStringLiteral("Car overlaps paper edge.");
inline const QString kAxleFreeText = QStringLiteral("Front axle not connected.");
inline const QString kCaseFreeText = QStringLiteral("Spring case is not connected.");
inline const QString kCaseFreeAwdText = QStringLiteral("Spring case not connected.");
inline const QString kCoreInterfereText = QStringLiteral("Spring cases interfere.");
inline const QString kFloatingText = QStringLiteral("Some parts are floating.");
inline const QString kNoMassText = QStringLiteral("The car weighs nothing or less.");

inline const QString kSkidHint =
    QStringLiteral("Indicates that the drive wheels are likely to lose traction while accelerating.");
inline const QString kCarTooBigHint = QStringLiteral(
    "Indicates that part of the car body will exceed the dimensions of the paper and will be clipped.");
inline const QString kAxleFreeHint =
    QStringLiteral("Indicates that the non-drive axle is not connected to the rest of the car.");
inline const QString kCaseFreeHint = QStringLiteral(
    "Indicates that the spring case/drive axle assembly is not connected to the rest of the car.");
inline const QString kCoreInterfereHint = QStringLiteral(
    "Indicates that the two spring chambers in a four-wheel-drive car are interfering with each other.");
inline const QString kFloatingHint =
    QStringLiteral("Indicates that some parts of the body are not connected to anything.");
inline const QString kNoMassHint = QStringLiteral(
    "Indicates that negative weights take away all the mass of the car, so it has no centre of mass and cannot run.");
inline const QString kWeightsFreeHint = QStringLiteral(
    "Indicates that some of the weights are placed in a position not in contact with the car surface.");
} // namespace advisory

// Each fact says that the named overlap is empty: the two parts do not touch.
struct ContactFacts {
    bool A = false; // outer layers / rear spring case
    bool B = false; // inner layers / rear spring case
    bool C = false; // inner / outer layers
    bool D = false; // rear / front spring cases
    bool E = true;  // inner layers / front spring case (true when not AWD)
    bool F = true;  // outer layers / front spring case (true when not AWD)
    bool G = false; // front axle / outer layers
    bool H = false; // front axle / inner layers
    bool I = true;  // rear / front spring chambers (true when not AWD)
};

struct AdvisoryInputs {
    ContactFacts Facts;
    DriveType Drive = DriveType::RWD;
    float CaseOuterDia = 0;
    int State = 1;             // process state number of the refresh
    bool LastRunSkidded = false;
    bool MassKnown = false;    // the mass step has run for this design
    float TotalMass = 0;
};

struct AdvisoryLabel {
    bool Shown = false;
    QString Text;
};

struct AdvisoryDisplay {
    AdvisoryLabel Skid, CarTooBig, AxleFree, CaseFree, CoreInterfere, Floating, NoMass;
    bool WindowVisible = false;
    AdvisoryFlags Flags;
};

AdvisoryDisplay checkAdvisories(const AdvisoryInputs& in);

} // namespace brisko
