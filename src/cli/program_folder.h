#pragma once

#include <string>

// The folder the running program lives in; artwork, sounds and songs are found beside it.
std::string programFolder();
