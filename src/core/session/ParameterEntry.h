#pragma once
// Editing the car's parts in the Set state and the Preferences values: what the
// dimension fields, the material lists, the drive buttons, Apply and the Preferences
// controls do, without any window. The session owns it; the windows forward their
// events here and hear what the logic changes back from the session's notifier
// (`fieldTextReset`, `applyEnabledChanged`, `driveChanged`).
#include "model/CarDesign.h"
#include "model/Validation.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace brisko {

class Session;

// Field identities: the dimension fields go by their action codes 14..21; the two
// Preferences fields by theirs.
inline constexpr int kCaseRatioField = 25;
inline constexpr int kFrictionField = 28;
inline constexpr int kDriveCode = 11;
inline constexpr int kChamberCode = 29;

bool isDimensionField(int code);
QString setNameOf(int code); // "SetSpringWidth", "SetCaseRatio", ...
QString doNameOf(int code);  // "DoSprWid", ...
// Apply's order: 17, 19, 18, 16, 14, 20, 21, 15.
const std::array<int, 8>& applyOrder();
// "OutrBrd:" ... "TreadMatl:" for material slots 0..7 (action codes 1..8).
QString materialPrefix(int slot);

class ParameterEntry {
public:
    explicit ParameterEntry(Session& session);

    Session& session() { return *m_session; }

    // Chamber outer diameter of the last analysis (0 before any); read by every check.
    // The session's own prototype's unless a test gives another.
    std::function<float()> lastCaseOuterDia;


    // The field events of the dimension and Preferences fields.
    void fieldEnter(int code);
    void fieldChange(int code, const QString& text);
    void fieldKeyPress(int code);
    bool fieldExit(int code); // false when the value was refused and put back

    void apply();
    bool applyEnabled() const { return m_applyEnabled; }
    void setApplyEnabled(bool enabled);

    void materialChange(int slot, int index);
    void chooseDrive(DriveType drive);
    void chooseChamber(ChamberShape shape);

    // Preferences OK: true when every value passes and the window may close; the
    // Set state is then refreshed.
    bool preferencesOk();

    // The design's check over the texts now shown; shows the message on failure.
    bool validateShownTexts();

private:
    QString& fieldText(int code);
    QString& acceptedText(int code);
    void putAcceptedTextBack(int code);
    bool logAndRefresh(int code, const QString& text, const QString& name);
    bool applyDimension(int code); // false when logging failed: Apply stops there

    Session* m_session;
    bool m_applyEnabled = false;
    int m_enteredField = 0; // the field entered and not yet left, 0 when none
};

} // namespace brisko
