#pragma once

#include <string>

namespace ostrel {

// Playing time in seconds of an MPEG audio file, estimated from its frame
// headers: the whole file played at the mean bitrate of the frames counted.
// 0.0 when the file cannot be read or holds no MPEG audio stream.
double Mp3Length(const std::string& path);

}  // namespace ostrel
