// Stand-ins for a program's modules in the loader's tests, built three times: with this build's
// identity (TIDEWARM_OWN_BUILD), with another's (TIDEWARM_OTHER_BUILD), and with none.
#if defined(TIDEWARM_OWN_BUILD)
#include "build_identity_value.h"
#define MODULE_IDENTITY kBuildIdentity
#elif defined(TIDEWARM_OTHER_BUILD)
#define MODULE_IDENTITY "2000-01-01T00:00:00Z 0"
#endif

extern "C" [[gnu::visibility("default")]] int TestModuleEntry() {
    return 42;
}

#ifdef MODULE_IDENTITY
extern "C" [[gnu::visibility("default")]] const char* TidewarmBuildIdentity() {
    return MODULE_IDENTITY;
}
#endif
