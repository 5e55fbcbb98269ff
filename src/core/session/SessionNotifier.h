#pragma once
// The one place that tells about the session's changes, as a document tells its
// views: windows connect to these signals; the logic only emits them.
#include "model/AppState.h"
#include "model/CarDesign.h"
#include "model/MaterialLibrary.h"

#include <QObject>

namespace brisko {

// What of the design a change touched.
enum class DesignAspect : unsigned {
    Outline = 1u << 0,
    InnerOutline = 1u << 1,
    Axle = 1u << 2,
    Weights = 1u << 3,
    Dimension = 1u << 4,
    Material = 1u << 5, // a material chosen for a part
    Drive = 1u << 6,
    Chamber = 1u << 7,
    ElementSize = 1u << 8,
    Preferences = 1u << 9, // the case ratio or the friction force
};
Q_DECLARE_FLAGS(DesignAspects, DesignAspect)
Q_DECLARE_OPERATORS_FOR_FLAGS(DesignAspects)

class SessionNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // A refresh of `state` has run all its steps (emitted before the refresh ends,
    // so that nothing started from here runs inside it).
    void refreshed(brisko::ProcessState state);
    // Another design became the current one (loaded, new or switched to): views
    // show it from the start, in the Set state.
    void designOpened();
    // Applying typed values refreshes after each value, before the next one is
    // logged (each record carries the figures of the values before it), and the
    // Preferences refresh the design view: a refresh of `state` at that very point.
    void refreshRequested(brisko::ProcessState state);
    // The design and its materials were replaced wholesale (a design loaded, new or
    // switched to, a step taken back or done again): show them again.
    void designReplaced();
    // Entries of the design list were added, removed or renamed.
    void designListChanged();
    // The outermost operation of the session (see SessionOperation) ended. A view
    // that heard of changes during it shows them now, once: the window refreshes
    // its present state.
    void operationEnded();
    // A material of that kind was stored, replaced or deleted.
    void materialsChanged(brisko::MaterialKind kind);
    // A step of the undo stack changed these aspects of the design (made, taken
    // back or done again), and the stack's steps changed with it.
    void designChanged(brisko::DesignAspects aspects);
    // What the parameter entry changed behind a field's back: the field's text was
    // put back (show it again), Apply was enabled (and made the default) or not, the
    // drive type changed (the fields that go with it show or hide).
    void fieldTextReset(int code);
    void applyEnabledChanged(bool enabled);
    void driveChanged(brisko::DriveType drive);
};

} // namespace brisko
