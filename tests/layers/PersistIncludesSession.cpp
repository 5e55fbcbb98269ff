// Files are below the session: a file routine that reaches up for the session
// must not compile.
#include "session/Session.h"
