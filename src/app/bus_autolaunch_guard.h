#pragma once

#include <string>

// With no session bus announced, the D-Bus library runs `dbus-launch` to find or start one the
// first time Qt's accessibility looks for it, which is while the first window is being built:
// a fork of the whole editor. Where no `dbus-launch` exists that fork can only fail, so the
// library is told at the start that there is no bus. Programs the editor starts later see the
// environment as it was.
class BusAutolaunchGuard {
 public:
  BusAutolaunchGuard();
  ~BusAutolaunchGuard() { restore(); }
  BusAutolaunchGuard(const BusAutolaunchGuard&) = delete;
  BusAutolaunchGuard& operator=(const BusAutolaunchGuard&) = delete;

  // Once the library has looked (it reads the setting once), the environment may be restored.
  void restore();

  // Whether looking for the session bus would end in a launcher that cannot be found, given
  // the environment's DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR and PATH (null when unset).
  static bool launchHopeless(const char* busAddress, const char* runtimeDir, const char* path,
                             const std::string& installedLauncher = "/usr/bin/dbus-launch");

 private:
  bool m_active = false;
};
