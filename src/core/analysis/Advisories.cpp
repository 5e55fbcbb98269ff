#include "analysis/Advisories.h"

namespace brisko {

namespace {

void show(AdvisoryLabel& label, bool shown, const QString& text)
{
    label.Shown = shown;
    label.Text = text;
}

// The front axle touches neither layer set; the front axle of AWD is a spring axle.
bool frontAxleFree(const ContactFacts& f, bool awd)
{
    return !awd && f.G && f.H;
}

bool awdCaseFree(const ContactFacts& f)
{
    return f.D && (f.E || f.B) && (f.F || f.A) && (f.E || f.A || f.C) && (f.F || f.B || f.C);
}

bool awdFloating(const ContactFacts& f)
{
    return ((f.A && f.F) || (f.B && f.E)) && ((!f.A && f.C) || (f.A && (f.F || f.C)))
        && ((!f.B && f.C) || (f.B && (f.E || f.C)));
}

// Of the three contacts between outer layers, inner layers and case, at most one exists.
bool singleDriveFloating(const ContactFacts& f)
{
    return (f.A && f.B) || (f.A && f.C) || (f.B && f.C);
}

bool singleDriveCaseFree(const ContactFacts& f)
{
    return f.A && f.B;
}

AdvisoryFlags flagsOf(const AdvisoryDisplay& d)
{
    AdvisoryFlags flags;
    flags.Skid = d.Skid.Shown;
    flags.FrontAxleFree = d.AxleFree.Shown;
    flags.SpringCaseFree = d.CaseFree.Shown;
    flags.PaperEdge = d.CarTooBig.Shown;
    flags.CasesInterfere = d.CoreInterfere.Shown;
    flags.Floating = d.Floating.Shown;
    return flags;
}

bool anyShown(const AdvisoryDisplay& d)
{
    return d.Skid.Shown || d.CarTooBig.Shown || d.AxleFree.Shown || d.CaseFree.Shown || d.CoreInterfere.Shown
        || d.Floating.Shown || d.NoMass.Shown;
}

} // namespace

AdvisoryDisplay checkAdvisories(const AdvisoryInputs& in)
{
    using namespace advisory;
    AdvisoryDisplay d;
    const ContactFacts& f = in.Facts;
    const bool awd = in.Drive == DriveType::AWD;
    show(d.AxleFree, frontAxleFree(f, awd), kAxleFreeText);
    // Both passes: case first in AWD, floating parts first otherwise.
    if (awd) {
        show(d.CaseFree, awdCaseFree(f), kCaseFreeAwdText);
        show(d.Floating, awdFloating(f), kFloatingText);
    } else {
        show(d.Floating, singleDriveFloating(f), kFloatingText);
        show(d.CaseFree, singleDriveCaseFree(f), kCaseFreeText);
    }
    show(d.CoreInterfere, awd && !f.I, kCoreInterfereText);
    show(d.CarTooBig, in.CaseOuterDia > kPaperHeightInches, kCarTooBigText);
    show(d.Skid, in.State >= kDynamicStateNumber && in.LastRunSkidded, kSkidText);
    show(d.NoMass, in.MassKnown && !(in.TotalMass > 0.0f), kNoMassText);
    d.WindowVisible = anyShown(d);
    d.Flags = flagsOf(d);
    return d;
}

} // namespace brisko
