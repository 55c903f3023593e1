// Qt refuses a runtime folder that others may read, so it is made 0700.
#include "RuntimeFolder.h"

#include <filesystem>

RuntimeFolder::RuntimeFolder()
    : FPath(QString::fromStdString(FFolder.Path().string())),
      FVariable("XDG_RUNTIME_DIR", FPath.toUtf8()) {
    std::filesystem::permissions(FFolder.Path(), std::filesystem::perms::owner_all);
}
