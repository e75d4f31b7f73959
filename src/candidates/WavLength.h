#pragma once

namespace ostrel {

class FileItem;

// Playing time in seconds of a WAV file from its canonical 44-byte header
// and its size (measured through the size cache); 0.0 when the header is
// missing or unusable. The "data" chunk is not looked for.
double WavLength(FileItem& file);

}  // namespace ostrel
