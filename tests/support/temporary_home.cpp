#include "temporary_home.h"

namespace test {

TemporaryHome::TemporaryHome() {
    environment_.Set("HOME", folder_.path().string());
    environment_.Unset("XDG_CONFIG_HOME");
    environment_.Unset("XDG_DOCUMENTS_DIR");
}

}  // namespace test
