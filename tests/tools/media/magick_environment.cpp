#include <Magick++.h>

#include <gtest/gtest.h>

namespace {

// GraphicsMagick must be initialised once before any picture is read or written.
class MagickEnvironment : public ::testing::Environment {
public:
    void SetUp() override { Magick::InitializeMagick(nullptr); }
};

const auto* const registered = ::testing::AddGlobalTestEnvironment(new MagickEnvironment);

} // namespace
