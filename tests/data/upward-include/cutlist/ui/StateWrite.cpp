// A window that writes the session past its commands.
#include "session/SessionAccess.h"
