#pragma once
// Program-wide state held by the main window beside the design.
#include <QString>
#include <array>

namespace brisko {

enum class ProcessState { Set = 1, Build = 3, Prop = 4, Dynamic = 5, Race = 6, Preview = 7, Print = 8 };

inline constexpr int kMaxDesigns = 257;
inline constexpr int kPendingApplyCodes = 22; // codes 1..21 used

struct AppState {
    qint32 CurrentDesign = 0;
    qint32 DesignCount = 5;
    ProcessState CurrentState = ProcessState::Set;
    std::array<quint8, kPendingApplyCodes> PendingApply{};
    qint32 EditedSinceEnter = 0;
    QString PortfolioPath;

    void clearPendingApply() { PendingApply.fill(0); }
};

} // namespace brisko
