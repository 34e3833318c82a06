#include "app/font_config_loader.h"

#include <fontconfig/fontconfig.h>

FontConfigLoader::FontConfigLoader() : m_thread([] { FcInit(); }) {}

FontConfigLoader::~FontConfigLoader() { wait(); }

void FontConfigLoader::wait() {
  if (m_thread.joinable()) m_thread.join();
}
