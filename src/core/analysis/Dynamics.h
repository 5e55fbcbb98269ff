#pragma once
// The run of the built car from rest until its spring is spent, in steps of one
// hundredth of a second, with its frames, results and race trace.
#include "analysis/RaceTrace.h"
#include "analysis/TorqueCurve.h"
#include "model/CarDesign.h"

#include <QString>
#include <functional>

namespace brisko {

inline constexpr int kFirstFrame = 1;
inline constexpr int kEveryFrame = 99998; // animate to the end
inline constexpr int kNoFrame = 99999;    // record only (the race)
inline constexpr int kNotReached = 9999;  // time-to-15 index while 15 ft was never reached
inline constexpr float kGravity = 32.18f; // ft/s^2
inline constexpr float kStepSeconds = 0.01f;
inline constexpr float kTrackFeet = 15.0f;

struct DynamicInputs {
    DriveType Drive = DriveType::RWD;
    float Revolutions = 0;        // R of one spring
    float DriveWheelDiameter = 0; // Dd, in
    float TotalMass = 0;          // M, lbm
    float SpringWidth = 0;        // w, in
    float SampleWidth = 0;        // ws of the spring material, in
    float ProjectedDistance = 0;  // Dproj, ft
    float TractionLeft = 0;       // TL, lb
    float TractionRight = 0;      // TR, lb; only used in AWD
    float FrictionForce = 0;      // Ff, lb
    float StaticFriction = 0;     // mu of the tread
    float Wheelbase = 0;          // Lw, in
    float CentroidHeight = 0;     // h, in
    float CentroidFromRear = 0;   // xr, in
    float WheelThickness = 0;     // tw of the drive-wheel board, in
    float WheelDensity = 0;       // rho_w of the drive-wheel board, lbm/in^3
    TorqueCurve Curve;
};

// What one display frame shows; the final frame has the spring spent.
struct DynamicFrame {
    int Number = 0;
    int Step = 0;
    float Distance = 0, Speed = 0;
    float PropulsionLeft = 0, PropulsionRight = 0;
    float TractionLeft = 0, TractionRight = 0;
    float NormalLeft = 0, NormalRight = 0;
    bool SkidLeft = false, SkidRight = false;
    float RevsLeft = 0, RevsRight = 0;
    float BarScale = 0;
    bool Final = false;
};

struct DynamicRunOptions {
    int RequestedFrame = kFirstFrame;
    bool Display = false; // the main window is in the Dynamic state
    std::function<void(const DynamicFrame&)> onFrame;
};

struct DynamicResult {
    QString TimeTo15;          // number text, or "[" + final time cut to 4 + "]"
    QString TopSpeed;          // final speed, cut to 4
    QString RunDistance;       // simulated distance, cut to 4
    QString PoweredDistance;   // what the distance field shows after the run
    QString RevisedLabel;      // "(was ...)" when the projected distance was longer
    bool RevisedVisible = false;
    bool Skid = false;
    float RevsLeft = 0, RevsRight = 0;
    float Distance = 0, Speed = 0;
    int Steps = 0;
    int TimeTo15Index = kNotReached;
    int Frames = 0; // frames taken
    float NormalRightRest = 0, NormalLeftRest = 0;
    // Button consequences for the Dynamic panel.
    bool EnableRewind = false;
    bool DisableStepAndToEnd = false;
    bool FinalFrameDrawn = false;
    RaceTrace Trace;
};

DynamicResult runDynamic(const DynamicInputs& in, const DynamicRunOptions& options = {});

} // namespace brisko
