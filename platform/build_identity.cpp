#include "build_identity.h"

#include "build_identity_value.h"  // generated in the build tree: kBuildIdentity

const char* BuildIdentity() {
    return kBuildIdentity;
}
