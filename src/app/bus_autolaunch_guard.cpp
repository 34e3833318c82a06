#include "app/bus_autolaunch_guard.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace {

constexpr const char* kAddressVariable = "DBUS_SESSION_BUS_ADDRESS";
// An address of a kind the library does not know: it gives up at once, without a launcher.
constexpr const char* kNoBus = "disabled:";

bool isExecutable(const std::string& file) { return access(file.c_str(), X_OK) == 0; }

}  // namespace

BusAutolaunchGuard::BusAutolaunchGuard() {
  if (!launchHopeless(std::getenv(kAddressVariable), std::getenv("XDG_RUNTIME_DIR"), std::getenv("PATH"))) return;
  m_active = setenv(kAddressVariable, kNoBus, 1) == 0;
}

void BusAutolaunchGuard::restore() {
  if (m_active) unsetenv(kAddressVariable);
  m_active = false;
}

bool BusAutolaunchGuard::launchHopeless(const char* busAddress, const char* runtimeDir, const char* path,
                                        const std::string& installedLauncher) {
  if (busAddress) return false;  // announced (or deliberately empty): the library connects as told
  // The per-user bus of a systemd session, which the library finds by itself.
  if (runtimeDir && *runtimeDir && access((std::string(runtimeDir) + "/bus").c_str(), F_OK) == 0) return false;
  // The library tries the launcher where it was installed, then along the PATH.
  if (isExecutable(installedLauncher)) return false;
  std::string_view dirs = path ? path : "/bin:/usr/bin";  // the C library's search without a PATH
  while (!dirs.empty()) {
    const size_t colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    if (!dir.empty() && isExecutable(std::string(dir) + "/dbus-launch")) return false;
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
  }
  return true;
}
