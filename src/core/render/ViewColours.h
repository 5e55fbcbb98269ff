#pragma once
// The colours of the design view. Only the background can be changed by the user.
#include <QColor>

namespace brisko {

namespace colours {
inline const QColor kDefaultBackground(0, 170, 255);
inline const QColor kSetPaper(0, 170, 255);
inline const QColor kPreviewPaper(255, 255, 255);
inline const QColor kGrid(204, 187, 238);
inline const QColor kPaperGrid(238, 221, 255);
inline const QColor kGround(238, 187, 153);
inline const QColor kInnerLayer(192, 192, 192);
inline const QColor kOuterLayer(255, 255, 255);
inline const QColor kAxle(255, 204, 170);
inline const QColor kTread(255, 153, 153);
inline const QColor kSpringFill(0, 255, 0);
inline const QColor kSpringRim(85, 221, 85);
inline const QColor kWeight(255, 0, 255);
inline const QColor kSilver(192, 192, 192);
inline const QColor kWhite(255, 255, 255);
inline const QColor kBlack(0, 0, 0);
inline const QColor kRed(255, 0, 0);
} // namespace colours

} // namespace brisko
