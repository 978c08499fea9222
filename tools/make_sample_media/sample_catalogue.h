#pragma once

#include "make_sample_media/byte_sink.h"

#include <functional>
#include <string>
#include <vector>

namespace qv::samples {

struct SampleFile {
    std::string name;
    std::function<Bytes()> make;
};

// Every file of the stock media folder. tools/media.cmake lists the same names.
std::vector<SampleFile> sampleCatalogue();

} // namespace qv::samples
