#include "candidates/MeasurementCaches.h"

namespace ostrel {

namespace {
uint32_t generation = 1;
}

SizeCache& MeasurementCaches::Sizes() {
  static SizeCache cache;
  return cache;
}

AudioLengthCache& MeasurementCaches::AudioLengths() {
  static AudioLengthCache cache;
  return cache;
}

uint32_t MeasurementCaches::Generation() { return generation; }

void MeasurementCaches::Clear() {
  Sizes().Clear();
  AudioLengths().Clear();
  generation = (generation + 1) & 0x7fffffff;
}

bool ClearMeasurementCaches() {
  MeasurementCaches::Clear();
  return true;
}

}  // namespace ostrel
