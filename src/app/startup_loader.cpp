#include "app/startup_loader.h"

#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <system_error>

#include "artwork/artwork_sets.h"

StartupLoader::StartupLoader()
    : m_thread([] {
        FcInit();
        // The program's folder as Qt will give it; unknown, the application reads the sets.
        std::error_code error;
        const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
        if (!error) loadArtworkSets(program.parent_path().string());
      }) {}

StartupLoader::~StartupLoader() { wait(); }

void StartupLoader::wait() {
  if (m_thread.joinable()) m_thread.join();
}
