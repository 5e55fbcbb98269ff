#pragma once
// The one place that tells about the session's changes, as a document tells its
// views: windows connect to these signals; the logic only emits them.
#include "model/AppState.h"
#include "model/MaterialLibrary.h"

#include <QObject>

namespace brisko {

class SessionNotifier : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // A refresh of `state` has run all its steps (emitted before the refresh ends,
    // so that nothing started from here runs inside it).
    void refreshed(brisko::ProcessState state);
    // The figure sheet changed: a refresh or a step of the run computed new figures.
    void figuresChanged();
    // The logic asks the window to switch to `to`, or to refresh `state`.
    void stateRequested(brisko::ProcessState to);
    void refreshRequested(brisko::ProcessState state);
    // The design, its materials or the design list changed wholesale: show them again.
    void designReplaced();
    // A material of that kind was stored, replaced or deleted.
    void materialsChanged(brisko::MaterialKind kind);
};

} // namespace brisko
