// The sweep map of a sweep too large to paint on the window's thread: painted into a
// picture on a thread of its own and shown when it is finished, the same pixels as
// painting the map directly, with every trial once the sweep is over.
#include "dialogs/SweepMapView.h"
#include "text/NumberText.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace brisko::gui::test {
namespace {

// Made-up trials of every width, length and wheel of `plan` (no simulation); the
// shortest springs stop short of 15 ft.
std::vector<SweepTrial> madeUpTrials(const SweepPlan& plan)
{
    std::vector<SweepTrial> trials;
    for (float d : sweepValues(plan.Wheel))
        for (float l : sweepValues(plan.Length))
            for (float w : sweepValues(plan.Width))
                trials.push_back({{numberText(w), numberText(l), numberText(d)},
                                  l < 31 ? QStringLiteral("[0.9]") : numberText(1.0f + 0.2f * d + 0.01f * l - 0.05f * w)});
    return trials;
}

// Waits for pictures until the view shows every trial at its size.
bool waitUntilWhole(SweepMapView& view)
{
    QSignalSpy shown(&view, &SweepMapView::pictureShown);
    for (int i = 0; i < 20 && !view.showsEveryTrial(); ++i)
        shown.wait(5000);
    return view.showsEveryTrial();
}

QImage asPainted(const SweepMapView& view)
{
    return sweepMapPicture(view.map(), view.size(), view.devicePixelRatioF(), view.font())
        .convertToFormat(QImage::Format_RGB32);
}

TEST(SweepMapView, ALargeMapIsPaintedOffTheWindowsThreadAndShownWhole)
{
    const SweepPlan plan{{1, 5, 0.1f}, {30, 80, 2}, {4, 6.25f, 0.25f}}; // 41 x 26 x 10
    const std::vector<SweepTrial> all = madeUpTrials(plan);
    ASSERT_GT(all.size(), 2 * SweepMapView::kPaintedAtOnce);
    SweepMapView view;
    view.resize(640, 400);
    view.show();
    view.startSweep(plan);

    const std::size_t half = all.size() / 2;
    view.follow({all.begin(), all.begin() + static_cast<std::ptrdiff_t>(half)});
    EXPECT_FALSE(view.showsEveryTrial()) << "nothing painted yet";
    ASSERT_TRUE(waitUntilWhole(view)) << "a picture of the trials so far while the sweep runs";
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), asPainted(view));

    // The rest arrive; the sweep ends with a picture of every trial.
    view.follow(all);
    EXPECT_FALSE(view.showsEveryTrial());
    view.endSweep();
    ASSERT_TRUE(waitUntilWhole(view));
    EXPECT_EQ(view.map().Tried, all.size());
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), asPainted(view));

    // A new size is painted afresh; meanwhile the last picture is stretched to it.
    view.resize(720, 450);
    EXPECT_FALSE(view.showsEveryTrial());
    view.grab();
    ASSERT_TRUE(waitUntilWhole(view));
    EXPECT_EQ(view.grab().toImage().convertToFormat(QImage::Format_RGB32), asPainted(view));
}

} // namespace
} // namespace brisko::gui::test
