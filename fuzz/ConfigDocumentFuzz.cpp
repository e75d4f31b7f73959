// libFuzzer target: the configuration reader must never crash or hang,
// whatever the bytes, and what it reads it must be able to write.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "config/ConfigDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  ostrel::ConfigDocument doc("/nonexistent");
  if (doc.LoadFromBytes(std::string_view(reinterpret_cast<const char*>(data), size))) {
    volatile size_t written = doc.Serialize().size();
    (void)written;
  }
  return 0;
}
