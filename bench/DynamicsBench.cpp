#include "analysis/Dynamics.h"

#include <benchmark/benchmark.h>

using namespace brisko;

namespace {

DynamicInputs defaultCar()
{
    DynamicInputs in;
    std::array<float, kTorqueCurveSize> values{};
    values[0] = 0.57f;
    in.Curve = TorqueCurve::fromValues(values);
    in.Revolutions = 11.8384f;
    in.DriveWheelDiameter = 4.8f;
    in.TotalMass = 0.35f;
    in.SpringWidth = in.SampleWidth = 1.5f;
    in.ProjectedDistance = 14.87f;
    in.TractionLeft = 0.25f;
    in.FrictionForce = 0.05f;
    in.StaticFriction = 1.0f;
    in.Wheelbase = 6.0f;
    in.CentroidHeight = 2.5f;
    in.CentroidFromRear = 4.0f;
    in.WheelThickness = 0.5f;
    in.WheelDensity = 0.0023f;
    return in;
}

void fullRunWithoutDisplay(benchmark::State& state)
{
    const DynamicInputs in = defaultCar();
    DynamicRunOptions race;
    race.RequestedFrame = kNoFrame;
    for (auto _ : state)
        benchmark::DoNotOptimize(runDynamic(in, race));
}
BENCHMARK(fullRunWithoutDisplay);

} // namespace
