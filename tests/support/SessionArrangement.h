#pragma once
// Arranging a session for a test where no operation leads there in a few steps: a
// design as a file might carry it, an entry of the design list as an earlier run
// left it, a tool left on. Everything else goes through the session's operations.
#include "session/Session.h"

namespace brisko::test {

class SessionArrangement {
public:
    explicit SessionArrangement(Session& session) : m_session(session) {}

    CarDesign& design() { return m_session.editDesign(); }
    AppState& app() { return m_session.editApp(); }
    MaterialLibrary& materials() { return m_session.editMaterials(); }
    DesignList& designs() { return m_session.editDesigns(); }
    FieldTexts& fields() { return m_session.editFields(); }

private:
    Session& m_session;
};

inline SessionArrangement arrange(Session& session)
{
    return SessionArrangement(session);
}

} // namespace brisko::test
