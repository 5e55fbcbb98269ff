#pragma once
// The one place that tells about the session's changes, as a document tells its
// views: windows connect to these signals; the logic only emits them.
#include "model/AppState.h"

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
};

} // namespace brisko
