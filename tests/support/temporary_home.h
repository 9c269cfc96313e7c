// A HOME of the test program's own, so that no test reaches the user's data folder.
#pragma once

#include "scoped_environment.h"
#include "test_support.h"

namespace test {

// A fresh folder made HOME and the working folder for the object's life, removed at its end.
// The documents folder is looked up under HOME alone: XDG_CONFIG_HOME (whose "user-dirs.dirs"
// may name the user's own documents folder) and XDG_DOCUMENTS_DIR are unset.
class TemporaryHome {
  public:
    TemporaryHome();

    const std::filesystem::path& path() const { return folder_.path(); }

  private:
    ScopedTempDir folder_;
    ScopedEnvironment environment_;
};

}  // namespace test
