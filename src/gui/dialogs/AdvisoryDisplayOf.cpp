#include "dialogs/AdvisoryDisplayOf.h"

namespace brisko::gui {

AdvisoryDisplay advisoryDisplayOf(const brisko::AdvisoryDisplay& checked)
{
    AdvisoryDisplay display;
    display.skid = checked.Skid.Shown;
    display.carTooBig = checked.CarTooBig.Shown;
    display.axleFree = checked.AxleFree.Shown;
    display.caseFree = checked.CaseFree.Shown;
    display.caseFreeAllWheelWording = checked.CaseFree.Text == advisory::kCaseFreeAwdText;
    display.coreInterfere = checked.CoreInterfere.Shown;
    display.floating = checked.Floating.Shown;
    display.noMass = checked.NoMass.Shown;
    return display;
}

} // namespace brisko::gui
