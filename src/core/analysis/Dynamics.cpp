#include "analysis/Dynamics.h"

#include "model/DesignFigures.h"

#include "analysis/Spring.h"
#include "analysis/Statics.h"
#include "text/NumberText.h"

#include <cmath>

namespace brisko {

namespace {

// Everything that lives for one run.
struct RunState {
    int i = 0;
    float v = 0, d = 0;
    float revsL = 0, revsR = 0;
    bool skidL = false, skidR = false;
    bool skidFlag = false;
    int timeTo15 = kNotReached;
    int frameNumber = 1;
    int stepsSinceFrame = 0;
    bool beyondFigures = false; // a step went beyond what single precision holds
    // Forces of the last step, for its frame.
    float FL = 0, FR = 0, CL = 0, CR = 0, NL = 0, NR = 0;
};

// Figures fixed for the whole run.
struct RunConstants {
    bool awd = false;
    float torqueScale = 0;   // w / ws
    float wheelRadius = 0;   // Dd / 2
    float inertiaShare = 0;  // k
    float massInSlugs = 0;   // M / g
    float wheelCircumferenceFt = 0;
    float barScale = 0;      // S
};

float drivenWheelMass(const DynamicInputs& in)
{
    const float radius = in.DriveWheelDiameter / 2.0f;
    float mass = in.WheelThickness * (radius * 3.1416f * radius) * in.WheelDensity * 2.0f;
    if (in.Drive == DriveType::AWD)
        mass *= 2.0f;
    return mass;
}

// Share of the thrust spent on spinning up the driven wheels.
float wheelInertiaShare(const DynamicInputs& in)
{
    const float mw = drivenWheelMass(in);
    if (!(mw > 0.0f))
        return 0.0f; // weightless wheels take nothing
    return 1.0f / (2.0f * (in.TotalMass - mw) / mw + 3.0f);
}

RunConstants constantsOf(const DynamicInputs& in)
{
    RunConstants c;
    c.awd = in.Drive == DriveType::AWD;
    c.torqueScale = in.SampleWidth > 0.0f ? in.SpringWidth / in.SampleWidth : 0.0f;
    c.wheelRadius = in.DriveWheelDiameter / 2.0f;
    c.inertiaShare = wheelInertiaShare(in);
    c.massInSlugs = in.TotalMass / kGravity;
    c.wheelCircumferenceFt = kDistancePi * in.DriveWheelDiameter / 12.0f;
    const float tl = std::fabs(in.TractionLeft);
    const float tr = c.awd ? std::fabs(in.TractionRight) : 0.0f;
    c.barScale = finiteOrZero(tl > tr ? tl : tr);
    return c;
}

// A car without mass or without a drive wheel cannot be stepped: it stays at rest.
bool canRoll(const DynamicInputs& in)
{
    return in.TotalMass > 0.0f && in.DriveWheelDiameter > 0.0f && std::isfinite(in.TotalMass)
        && std::isfinite(in.DriveWheelDiameter);
}

void applyForces(RunState& s, const DynamicInputs& in, const RunConstants& c)
{
    s.FL = finiteOrZero(c.torqueScale * torqueAt(in.Curve, s.revsL, in.Revolutions) / c.wheelRadius);
    s.FR = c.awd ? finiteOrZero(c.torqueScale * torqueAt(in.Curve, s.revsR, in.Revolutions) / c.wheelRadius) : 0.0f;
    s.NR = rightNormalForce(in.Drive, in.Wheelbase, in.CentroidHeight, s.FL, in.CentroidFromRear, in.TotalMass);
    s.NL = leftNormalForce(s.NR, in.TotalMass);
    s.CR = finiteOrZero(in.StaticFriction * s.NR);
    s.CL = finiteOrZero(in.StaticFriction * s.NL);
    if (!(s.CR > 0.0f))
        s.CR = 0.0f;
    if (!(s.CL > 0.0f))
        s.CL = 0.0f;
}

// A wheel pair skids when its force is not less than its traction: it then pushes
// with three quarters of the force and spins (and unwinds) twice as fast.
void applySkidRule(RunState& s, bool awd)
{
    s.skidL = s.FL >= s.CL;
    if (s.skidL)
        s.FL *= 0.75f;
    s.skidR = awd && s.FR >= s.CR;
    if (s.skidR)
        s.FR *= 0.75f;
    s.skidFlag = s.skidFlag || s.skidL || s.skidR;
}

// A step whose speed, distance or turns cannot be held ends the run where it was.
void move(RunState& s, const DynamicInputs& in, const RunConstants& c)
{
    const float netForce = (s.FL + s.FR) * (1.0f - c.inertiaShare) - in.FrictionForce;
    const float a = netForce / c.massInSlugs;
    const float newSpeed = s.v + a * kStepSeconds;
    const float stepDistance = (s.v + newSpeed) * 0.5f * kStepSeconds;
    const float turns = stepDistance / c.wheelCircumferenceFt;
    const float d = s.d + stepDistance;
    const float revsL = s.revsL + (s.skidL ? 2.0f * turns : turns);
    const float revsR = s.revsR + (s.skidR ? 2.0f * turns : turns);
    if (!(std::isfinite(newSpeed) && std::isfinite(d) && std::isfinite(revsL) && std::isfinite(revsR))) {
        s.beyondFigures = true;
        return;
    }
    s.d = d;
    s.v = newSpeed;
    s.revsL = revsL;
    s.revsR = revsR;
}

void record(const RunState& s, RaceTrace& trace)
{
    if (s.i > kLastTraceEntry || trace.Distance[s.i] >= 0.0f)
        return;
    trace.Distance[s.i] = s.d;
    trace.Speed[s.i] = s.v;
    trace.Skid[s.i] = (s.skidL || s.skidR) ? 1 : 0;
}

DynamicFrame frameOf(const RunState& s, const RunConstants& c)
{
    DynamicFrame f;
    f.Number = s.frameNumber;
    f.Step = s.i;
    f.Distance = s.d;
    f.Speed = s.v;
    f.PropulsionLeft = s.FL;
    f.PropulsionRight = s.FR;
    f.TractionLeft = s.CL;
    f.TractionRight = s.CR;
    f.NormalLeft = s.NL;
    f.NormalRight = s.NR;
    f.SkidLeft = s.skidL;
    f.SkidRight = s.skidR;
    f.RevsLeft = s.revsL;
    f.RevsRight = s.revsR;
    f.BarScale = c.barScale;
    return f;
}

bool spent(const RunState& s, float R)
{
    return s.revsL >= R || s.revsR >= R;
}

void takeFrameIfDue(RunState& s, const DynamicInputs& in, const RunConstants& c, const DynamicRunOptions& o)
{
    if (s.stepsSinceFrame < 2 && !spent(s, in.Revolutions))
        return;
    s.stepsSinceFrame = 0;
    const bool wanted = s.frameNumber == o.RequestedFrame || o.RequestedFrame == kEveryFrame;
    if (wanted && o.Display && o.onFrame)
        o.onFrame(frameOf(s, c));
    ++s.frameNumber;
}

void step(RunState& s, const DynamicInputs& in, const RunConstants& c, const DynamicRunOptions& o, RaceTrace& trace)
{
    ++s.i;
    ++s.stepsSinceFrame;
    applyForces(s, in, c);
    applySkidRule(s, c.awd);
    move(s, in, c);
    if (s.d >= kTrackFeet && s.timeTo15 == kNotReached)
        s.timeTo15 = s.i;
    record(s, trace);
    takeFrameIfDue(s, in, c, o);
}

bool goesOn(const RunState& s, float R)
{
    return !spent(s, R) && !s.beyondFigures && static_cast<float>(s.i) / 100.0f <= 100.0f;
}

// The spring spent: at-rest normal forces stand in for the tractions, no propulsion.
DynamicFrame finalFrame(const RunState& s, const RunConstants& c, const DynamicResult& r)
{
    DynamicFrame f = frameOf(s, c);
    f.Final = true;
    f.PropulsionLeft = f.PropulsionRight = 0.0f;
    f.SkidLeft = f.SkidRight = false;
    f.NormalRight = f.TractionRight = r.NormalRightRest;
    f.NormalLeft = f.TractionLeft = r.NormalLeftRest;
    return f;
}

void finishButtons(DynamicResult& r, const RunState& s, const RunConstants& c, const DynamicRunOptions& o)
{
    r.EnableRewind = o.RequestedFrame == kNoFrame || o.RequestedFrame == kEveryFrame;
    if (o.RequestedFrame != kEveryFrame && s.frameNumber > o.RequestedFrame)
        return; // the requested frame was within the run: more frames follow
    r.DisableStepAndToEnd = true;
    r.EnableRewind = true;
    if (!o.Display || o.RequestedFrame == kNoFrame)
        return;
    r.FinalFrameDrawn = true;
    if (o.onFrame)
        o.onFrame(finalFrame(s, c, r));
}

void writeTexts(DynamicResult& r, const RunState& s, float projected)
{
    if (s.timeTo15 != kNotReached)
        r.TimeTo15 = numberText(static_cast<float>(s.timeTo15) / 100.0f);
    else
        r.TimeTo15 = QStringLiteral("[") + cut(numberText(static_cast<float>(s.i) / 100.0f), 4) + QStringLiteral("]");
    r.TopSpeed = cut(numberText(s.v), 4);
    r.RunDistance = cut(numberText(s.d), 4);
    r.RevisedVisible = projected > s.d;
    if (r.RevisedVisible) {
        r.RevisedLabel = QStringLiteral("(was ") + cut(numberText(projected), 4) + QStringLiteral(")");
        r.PoweredDistance = r.RunDistance;
    } else {
        r.PoweredDistance = numberText(projected);
    }
}

} // namespace

DynamicResult runDynamic(const DynamicInputs& in, const DynamicRunOptions& options)
{
    DynamicResult r;
    RunState s;
    const RunConstants c = constantsOf(in);
    if (canRoll(in)) {
        do
            step(s, in, c, options, r.Trace);
        while (goesOn(s, in.Revolutions));
    }
    r.NormalRightRest = rightNormalForce(in.Drive, in.Wheelbase, in.CentroidHeight, 0.0f, in.CentroidFromRear, in.TotalMass);
    r.NormalLeftRest = leftNormalForce(r.NormalRightRest, in.TotalMass);
    r.Skid = s.skidFlag;
    r.RevsLeft = s.revsL;
    r.RevsRight = s.revsR;
    r.Distance = s.d;
    r.Speed = s.v;
    r.Steps = s.i;
    r.TimeTo15Index = s.timeTo15;
    r.Frames = s.frameNumber - 1;
    writeTexts(r, s, in.ProjectedDistance);
    finishButtons(r, s, c, options);
    return r;
}

} // namespace brisko
