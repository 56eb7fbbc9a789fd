// Place names in German for every test of this program, whatever the machine's settings: the
// language of the message locale, chosen through LANGUAGE under C.UTF-8 before the place list
// is first read.
#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

class GermanPlaceNames : public ::testing::Environment {
  public:
    void SetUp() override {
#ifdef _WIN32
        // No message locale: the variable stands for it.
        ASSERT_EQ(::_putenv_s("LC_ALL", "C.UTF-8"), 0);
        ASSERT_EQ(::_putenv_s("LANGUAGE", "de"), 0);
#else
        ::setenv("LANGUAGE", "de", 1);
        ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
#endif
    }
};

[[maybe_unused]] ::testing::Environment* const kGermanPlaceNames =
    ::testing::AddGlobalTestEnvironment(new GermanPlaceNames);

} // namespace
