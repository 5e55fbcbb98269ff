#include "mainwin/StatePanels.h"

#include "mainwin/WidgetFactory.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <algorithm>

namespace brisko::gui {

namespace {

QLabel* makeHeading(const QString& text)
{
    auto* heading = new QLabel(text);
    heading->setProperty("panelHeading", true);
    heading->setMinimumWidth(96);
    heading->setMaximumWidth(150);
    heading->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    heading->setWordWrap(true);
    return heading;
}

// On a narrow window a panel's heading steps aside rather than widening the window
// or being cut: the lit state button already names the state. It never counts in
// the panel's least width, takes the room the figures leave (up to its own most
// width) and shows only where its longest word fits.
class HeadingThatStepsAside : public QObject {
public:
    HeadingThatStepsAside(QWidget* panel, QLabel* heading, QLayout* figures)
        : QObject(panel)
        , m_heading(heading)
        , m_figures(figures)
    {
        m_heading->setMinimumWidth(0);
        m_heading->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        panel->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
            auto* panel = static_cast<QWidget*>(watched);
            const QMargins m = panel->layout()->contentsMargins();
            const int room = panel->width() - m.left() - m.right() - panel->layout()->spacing()
                - m_figures->minimumSize().width();
            m_heading->setVisible(room >= widestWord() + 8);
        }
        return false;
    }

private:
    int widestWord() const
    {
        m_heading->ensurePolished();
        int widest = 0;
        for (const QString& word : m_heading->text().split(QLatin1Char(' ')))
            widest = std::max(widest, m_heading->fontMetrics().horizontalAdvance(word));
        return widest;
    }

    QLabel* m_heading;
    QLayout* m_figures;
};

// A panel: a heading on the left and a grid of figures beside it.
QGridLayout* addHeadedGrid(QWidget* panel, const QString& heading)
{
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 8, 6, 8);
    row->setSpacing(18);
    QLabel* title = makeHeading(heading);
    row->addWidget(title, 100); // the room left goes to the heading first
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    grid->setAlignment(Qt::AlignVCenter);
    row->addLayout(grid);
    row->addStretch(1);
    new HeadingThatStepsAside(panel, title, grid);
    return grid;
}

QSlider* makeSlider(const QString& name, int maximum, int position, const QString& hint)
{
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setObjectName(name);
    slider->setRange(0, maximum);
    slider->setValue(position);
    slider->setPageStep(1);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    slider->setToolTip(hint);
    return slider;
}

// Tick captions spread under a slider.
QWidget* makeTickCaptions(const QStringList& captions)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < captions.size(); ++i) {
        auto* caption = new QLabel(captions.at(i));
        caption->setProperty("tickCaption", true);
        caption->setAlignment(i == 0 ? Qt::AlignLeft : (i + 1 == captions.size() ? Qt::AlignRight : Qt::AlignHCenter));
        layout->addWidget(caption, 1);
    }
    return row;
}

// A player's button (rewind, step, to the end): as narrow as its sign allows.
QPushButton* makePlayButton(const QString& name, const QString& sign, const QString& hint)
{
    QPushButton* button = makeButton(name, sign, hint);
    button->setFixedWidth(std::max(36, button->fontMetrics().horizontalAdvance(sign) + 20));
    return button;
}

QWidget* hidden(QWidget* panel)
{
    panel->hide();
    return panel;
}

} // namespace

QWidget* createBuildStatePanel(std::optional<BuildFigures<FigureField>>& fields)
{
    QWidget* panel = makeNamedPanel(QStringLiteral("BuildStatePanel"));
    QGridLayout* grid = addHeadedGrid(panel, QStringLiteral("Virtual prototype"));
    fields.emplace(BuildFigures<FigureField>{
        .FullLayers = addFigure(grid, 0, makeLinkLabel(QStringLiteral("Label20"), QStringLiteral("Outer Layers")),
                        QStringLiteral("LayersFullEF")),
        .CoredLayers = addFigure(grid, 1, makeLinkLabel(QStringLiteral("Label19"), QStringLiteral("Inner Layers")),
                        QStringLiteral("LayersCoredEF")),
        .TotalLayers = addFigure(grid, 2, makeLabel(QStringLiteral("Label14"), QStringLiteral("Number of Layers")),
                        QStringLiteral("LayersWideEF")),
        .CaseWidth = addFigure(grid, 3, makeLabel(QStringLiteral("Label15"), QStringLiteral("Case width (in)")),
                        QStringLiteral("CaseWidthEF")),
        .CarWidth = addFigure(grid, 4, makeLinkLabel(QStringLiteral("Label17"), QStringLiteral("Body width (in)")),
                        QStringLiteral("CarWidthEF")),
        .CaseInnerDia = addFigure(grid, 5, makeLabel(QStringLiteral("Label16"), QStringLiteral("Case inner dia (in)")),
                        QStringLiteral("CaseIDEF")),
        .CaseOuterDia = addFigure(grid, 6, makeLabel(QStringLiteral("Label21"), QStringLiteral("Case outer dia (in)")),
                        QStringLiteral("CaseOuterDEF")),
        .BottlesNeeded = addFigure(grid, 7, makeLabel(QStringLiteral("Label23"), QStringLiteral("Bottles needed")),
                        QStringLiteral("BottlesNeededEF")),
    });
    return hidden(panel);
}

Play3DControls createPlay3DPanel()
{
    Play3DControls c;
    auto* panel = new QGroupBox(QStringLiteral("Build view"));
    panel->setObjectName(QStringLiteral("Play3DPanel"));
    auto* buttons = new QHBoxLayout;
    c.rewind = makePlayButton(QStringLiteral("Rewind3DBtn"), QStringLiteral("|<"), QStringLiteral("Start again"));
    c.step = makePlayButton(QStringLiteral("StepForward3DBtn"), QStringLiteral(">"), QStringLiteral("Draw the next layer"));
    c.toEnd = makePlayButton(QStringLiteral("ToEnd3DBtn"), QStringLiteral(">|"), QStringLiteral("Draw the whole car"));
    for (QPushButton* button : {c.rewind, c.step, c.toEnd})
        buttons->addWidget(button);
    c.progress = makeLabel(QStringLiteral("Progress3DLabel"), QString());
    c.progress->setMinimumWidth(c.progress->fontMetrics().horizontalAdvance(QStringLiteral("88 of 88")) + 4);
    buttons->addWidget(c.progress, 1);
    // The size slider beside its caption: three rows fit the height of the panel area.
    auto* layout = new QGridLayout(panel);
    layout->setVerticalSpacing(2);
    layout->addLayout(buttons, 0, 0, 1, 2);
    const QString sizeHint = QStringLiteral("Size of 3D image (smaller is faster).  Press Build button to redraw.");
    layout->addWidget(makeLabel(QStringLiteral("PictureSizeLabel"), QStringLiteral("Picture Size"), sizeHint), 1, 0);
    c.pictureSize = makeSlider(QStringLiteral("Slider3D"), 2, 0, sizeHint);
    layout->addWidget(c.pictureSize, 1, 1);
    layout->addWidget(makeTickCaptions({QStringLiteral("Small"), QStringLiteral("Med"), QStringLiteral("Large")}), 2, 1);
    panel->setMaximumWidth(420);
    c.panel = hidden(panel);
    return c;
}

AnalyzeFiguresPanel createPropStatePanel(std::optional<AnalyzeFigures<FigureField>>& fields)
{
    QLabel* rightCaption = makeLabel(QStringLiteral("PropulsionRightLabel"), QStringLiteral("Propulsion, right (lb)"));
    QWidget* panel = makeNamedPanel(QStringLiteral("PropStatePanel"));
    QGridLayout* grid = addHeadedGrid(panel, QStringLiteral("Physical properties"));
    fields.emplace(AnalyzeFigures<FigureField>{
        .BoardMass = addFigure(grid, 0, makeLinkLabel(QStringLiteral("Label26"), QStringLiteral("Board Mass (lbm)")),
                        QStringLiteral("FoamMassEF")),
        .SpringMass = addFigure(grid, 1, makeLinkLabel(QStringLiteral("Label27"), QStringLiteral("Spring Mass (lbm)")),
                        QStringLiteral("SpringMassEF")),
        .AxleMass = addFigure(grid, 2, makeLinkLabel(QStringLiteral("Label28"), QStringLiteral("Axle Mass (lbm)")),
                        QStringLiteral("AxleMassEF")),
        .TotalMass = addFigure(grid, 3, makeLinkLabel(QStringLiteral("ProjectedMassLabel"), QStringLiteral("Total Car Mass (lbm)")),
                        QStringLiteral("ProjectedMassEF")),
        .CentroidX = addFigure(grid, 4, makeLabel(QStringLiteral("TrueCentroidLabel"), QStringLiteral("Overall center of mass (in)")),
                        QStringLiteral("TrueCentroidEF")),
        .MaxRealTorque = addFigure(grid, 5, makeLabel(QStringLiteral("MaxRealTorqueLabel"), QStringLiteral("Max Torque (in-lb)")),
                        QStringLiteral("MaxRealTorqueEF")),
        .Revolutions = addFigure(grid, 6, makeLinkLabel(QStringLiteral("Label22"), QStringLiteral("Revolutions")),
                        QStringLiteral("RevsEF")),
        .PropulsiveForce = addFigure(grid, 7, makeLabel(QStringLiteral("PropulsionLeftLabel"), QStringLiteral("Propulsion, left (lb)")),
                        QStringLiteral("PropulsionLeftEF")),
        .PropulsionRight = addFigure(grid, 8, rightCaption, QStringLiteral("PropulsionRightEF")),
    });
    return {hidden(panel), rightCaption};
}

ElementSizeBox createElementSizeGroupBox()
{
    auto* box = new QGroupBox(QStringLiteral("Element size (in)"));
    box->setObjectName(QStringLiteral("ElementSizeGroupBox"));
    auto* layout = new QVBoxLayout(box);
    QSlider* slider = makeSlider(QStringLiteral("ElementSizeSlider"), 5, 3,
                                 QStringLiteral("Size of the elements of the mass scan (smaller is finer and slower)"));
    layout->addWidget(slider);
    layout->addWidget(makeTickCaptions({QStringLiteral("1"), QStringLiteral("1/2"), QStringLiteral("1/4"),
                                        QStringLiteral("1/8"), QStringLiteral("1/16"), QStringLiteral("1/32")}));
    box->setMinimumWidth(170);
    return {hidden(box), slider};
}

SimulateFiguresPanel createDynamicStatePanel(std::optional<SimulateFigures<FigureField>>& fields)
{
    QWidget* panel = makeNamedPanel(QStringLiteral("DynamicStatePanel"));
    QGridLayout* grid = addHeadedGrid(panel, QStringLiteral("Dynamic performance"));
    fields.emplace(SimulateFigures<FigureField>{
        .TimeTo15 = addFigure(grid, 0, makeLinkLabel(QStringLiteral("TimeLabel"), QStringLiteral("Time to 15 ft (sec)")),
                        QStringLiteral("TimeEF")),
        .TopSpeed = addFigure(grid, 1, makeLinkLabel(QStringLiteral("TopSpeedLabel"), QStringLiteral("Top speed (ft/sec)")),
                        QStringLiteral("TopSpeedEF")),
        .RunDistance = addFigure(grid, 2, makeLinkLabel(QStringLiteral("PoweredDistanceLabel"), QStringLiteral("Distance (ft)")),
                        QStringLiteral("PoweredDistanceEF")),
    });
    QLabel* revised = makeLabel(QStringLiteral("RevisedLabel"), QString());
    revised->hide();
    grid->addWidget(revised, 2, 2, 1, 2);
    return {hidden(panel), revised};
}

RunControls createDynamicPanel()
{
    RunControls c;
    auto* panel = new QGroupBox(QStringLiteral("Simulation"));
    panel->setObjectName(QStringLiteral("DynamicPanel"));
    auto* layout = new QGridLayout(panel);
    c.rewind = makePlayButton(QStringLiteral("RewindDynamicBtn"), QStringLiteral("|<"), QStringLiteral("Wind up the spring"));
    c.step = makePlayButton(QStringLiteral("StepDynamicBtn"), QStringLiteral(">"), QStringLiteral("Step forward in time"));
    c.toEnd = makePlayButton(QStringLiteral("ToEndDynamicBtn"), QStringLiteral(">|"), QStringLiteral("View the entire cycle"));
    c.chart = makeButton(QStringLiteral("ChartBtn"), QStringLiteral("Chart..."),
                         QStringLiteral("Distance and speed of the runs against time"));
    c.note = makeLabel(QStringLiteral("DynamicLabel"), QString());
    int column = 0;
    for (QWidget* top : std::initializer_list<QWidget*>{c.rewind, c.step, c.toEnd, c.chart, c.note})
        layout->addWidget(top, 0, column++);
    // Room for the longest texts the run writes into them, so they never cut.
    const auto runLabel = [](QLabel* label, const char* longest) {
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QString::fromLatin1(longest)) + 6);
        return label;
    };
    c.time = runLabel(makeLinkLabel(QStringLiteral("DynamicTimeLabel"), QStringLiteral("Time")), "88.88 of 88.88 s");
    c.distance = runLabel(makeLinkLabel(QStringLiteral("DynamicDistanceLabel"), QStringLiteral("Distance")),
                          "88.88 of 88.88 ft");
    c.revsLeft = runLabel(makeLinkLabel(QStringLiteral("DynamicRevsLeftLabel"), QStringLiteral("Revs (left)")),
                          "Rev 88.8 of 88.8: Front");
    c.revsRight = runLabel(makeLinkLabel(QStringLiteral("DynamicRevsRightLabel"), QStringLiteral("Revs (right)")),
                           "Rev 88.8 of 88.8: Front");
    layout->addWidget(c.time, 1, 0, 1, 2);
    layout->addWidget(c.distance, 1, 2, 1, 2);
    layout->addWidget(c.revsLeft, 2, 0, 1, 2);
    layout->addWidget(c.revsRight, 2, 2, 1, 2);
    c.panel = hidden(panel);
    return c;
}

RaceControls createRaceStatePanel()
{
    RaceControls c;
    QWidget* panel = makeNamedPanel(QStringLiteral("RaceStatePanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(14, 8, 14, 8);
    row->setSpacing(18);
    row->addWidget(makeHeading(QStringLiteral("Race")));
    auto* bevel = new QFrame;
    bevel->setObjectName(QStringLiteral("RaceStateBevel"));
    bevel->setFrameShape(QFrame::StyledPanel);
    auto* bevelLayout = new QHBoxLayout(bevel);
    QLabel* note = makeLabel(QStringLiteral("RaceNoteLabel"),
                             QStringLiteral("A car design appears on the racetrack if it has been Simulated since "
                                            "its last design change."));
    note->setWordWrap(true);
    bevelLayout->addWidget(note, 2);
    const QString speedHint = QStringLiteral("Race playback speed (0.25x is slow motion, 1x is real time).");
    auto* speed = new QVBoxLayout;
    speed->addWidget(makeLabel(QStringLiteral("RaceSpeedLabel"), QStringLiteral("Playback speed"), speedHint));
    c.speed = makeSlider(QStringLiteral("RaceSlider"), 2, 1, speedHint);
    speed->addWidget(c.speed);
    speed->addWidget(makeTickCaptions({QStringLiteral("0.25x"), QStringLiteral("0.5x"), QStringLiteral("1x")}));
    bevelLayout->addLayout(speed, 1);
    c.chart = makeButton(QStringLiteral("RaceChartBtn"), QStringLiteral("Chart..."),
                         QStringLiteral("Distance and speed of the raced runs against time"));
    c.chart->setEnabled(false); // until a race has run to its end
    bevelLayout->addWidget(c.chart, 0, Qt::AlignVCenter);
    row->addWidget(bevel, 1);
    c.panel = hidden(panel);
    return c;
}

PreviewPager createPreviewStatePanel()
{
    PreviewPager c;
    QWidget* panel = makeNamedPanel(QStringLiteral("PreviewStatePanel"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(14, 8, 14, 8);
    row->setSpacing(12);
    row->addWidget(makeHeading(QStringLiteral("Main body templates")));
    c.first = makeButton(QStringLiteral("RewindPvBtn"), QStringLiteral("|<"), QStringLiteral("Preview the first template"));
    c.next = makeButton(QStringLiteral("StepPVBtn"), QStringLiteral(">"), QStringLiteral("Preview the next template"));
    c.page = makeLabel(QStringLiteral("PreviewLabel"), QString());
    row->addWidget(c.first);
    row->addWidget(c.next);
    row->addWidget(c.page);
    row->addStretch(1);
    c.panel = hidden(panel);
    return c;
}

} // namespace brisko::gui
