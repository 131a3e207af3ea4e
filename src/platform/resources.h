#pragma once
#include <string>

namespace platform {

// A built-in wave file as a whole RIFF image, or empty when the program carries none.
std::string loadResourceWave(int id);

} // namespace platform
