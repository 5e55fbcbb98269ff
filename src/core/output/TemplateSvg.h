#pragma once
// The cutting templates as vector outlines for laser and vinyl cutters: one SVG
// file per template at true size, its units inches, the outline one closed path
// and each axle hole a circle.
#include "output/PaperPrototype.h"

#include <QPainterPath>
#include <QRectF>
#include <QStringList>
#include <QVector>

namespace brisko {

struct AxleHole {
    QPointF Centre; // inches
    double Radius = 0;
};

struct TemplateOutline {
    QString Name;         // "outer layer", "inner layer", "drive wheel", "other wheel"
    QRectF Bounds;        // inches: the whole template, the paper of a layer and all it reaches
    QPainterPath Outline; // inches; the inner layer's chamber is a second subpath
    QVector<AxleHole> Holes;
};

// The body's two layers (cut at the paper's bottom edge, like the printed
// templates) and one wheel of each kind. Each file's view box is the template's
// bounds and its width and height their exact size in millimetres.
QVector<TemplateOutline> templateOutlines(const PaperPrototype& prototype);

// Writes "<prefix> <name>.svg" into the folder for every template; the paths
// written, or nothing with `error` set when a file cannot be written.
QStringList exportTemplateSvgs(const PaperPrototype& prototype, const QString& folder, const QString& prefix,
                               QString* error = nullptr);

} // namespace brisko
