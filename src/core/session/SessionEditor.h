#pragma once
// The session's parts as its use cases change them. Only the session library
// compiles with BRISKO_SESSION_USE_CASES: windows and tests call operations.
#ifndef BRISKO_SESSION_USE_CASES
#error "The session's parts change through its operations only"
#endif
#include "session/Session.h"

namespace brisko {

class SessionEditor {
public:
    static CarDesign& design(Session& s) { return s.editDesign(); }
    static AppState& app(Session& s) { return s.editApp(); }
    static MaterialLibrary& materials(Session& s) { return s.editMaterials(); }
    static DesignList& designs(Session& s) { return s.editDesigns(); }
    static FieldTexts& fields(Session& s) { return s.editFields(); }
    static void setDesignListText(Session& s, const QString& text) { s.setDesignListText(text); }
};

} // namespace brisko
