#pragma once
// Opening a document with the desktop's default program, as a double click in the file manager
// would. Tests record the path instead.
#include <functional>
#include <string>

namespace platform {

// No shell stands in between: quotes, spaces, ";" or "$()" in the path are just characters of
// the file's name. Whether a program was found is not reported.
void openWithDesktop(const std::string& path);

using ShellOpenHook = std::function<void(const std::string& path)>;
void setShellOpenHook(ShellOpenHook hook); // empty: the desktop opens files again

} // namespace platform
