// Makes tests/astro/cr_math_results.inc, the correctly rounded results that
// tests/astro/cr_math_results_test.cpp checks on every platform without MPFR: digests of the
// results of the arguments of tests/astro/cr_math_arguments.h (block by block), the results of
// the published hard cases, of the arguments the fast stage cannot decide and of special
// arguments in full, all from MPFR; and the digests of the model's results on the births of its
// numeric tests, from the model as built.
//
//   vexamo-cr-math-results OUT.inc            write the table
//   vexamo-cr-math-results --check FILE.inc   exit 1 unless FILE.inc is what it would write
#include <bit>
#include <cfloat>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <mpfr.h>

#include "astro/cr_math_detail.h"
#include "tests/astro/cr_math_arguments.h"
#include "tests/astro/cr_math_published_cases.h"
#include "tests/astro/model_result_digest.h"

namespace {

using namespace cr_math_arguments;
using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

MpfrFunction MpfrOf(Function f) {
    switch (f) {
    case Function::Sin:
        return mpfr_sin;
    case Function::Cos:
        return mpfr_cos;
    case Function::Tan:
        return mpfr_tan;
    case Function::Atan:
        return mpfr_atan;
    case Function::Asin:
        return mpfr_asin;
    }
    return nullptr;
}

// f(x) rounded to the nearest double, subnormals included.
double Nearest(Function f, double x) {
    mpfr_t a, y;
    mpfr_init2(a, 53);
    mpfr_init2(y, 53);
    mpfr_set_d(a, x, MPFR_RNDN);
    const int t = MpfrOf(f)(y, a, MPFR_RNDN);
    mpfr_subnormalize(y, t, MPFR_RNDN);
    const double r = mpfr_get_d(y, MPFR_RNDN);
    mpfr_clear(a);
    mpfr_clear(y);
    return r;
}

// The arguments the fast stage cannot decide (tests/astro/cr_math_hard_cases.inc).
struct Tag {
    Function f;
};
const Tag kSin{Function::Sin};
const Tag kCos{Function::Cos};
const Tag kTan{Function::Tan};
const Tag kAtan{Function::Atan};
const Tag kAsin{Function::Asin};
struct UndecidedCase {
    const Tag* f;
    double x;
    double bound;
};
const UndecidedCase kUndecided[] = {
#include "tests/astro/cr_math_hard_cases.inc"
};

// Signed zeros, subnormals, the largest doubles, the ends of the ranges answered without
// computation, the doubles nearest k pi/4 and 2^j pi/2 and their neighbours, 1 - k 2^-53.
std::vector<double> SpecialArguments() {
    const double tiny = std::numeric_limits<double>::denorm_min();
    std::vector<double> v = {0.0,
                             tiny,
                             0x1p-1022 - tiny,
                             DBL_MIN,
                             DBL_MAX,
                             0x1p1023,
                             std::ldexp(6381956970095103.0, 797)};
    for (const double c : {0x1p-27, 0x1p-26, 0.785, 0.5, 1.0, 0x1p52, 0x1p53, 0x1p55}) {
        for (const double x : {std::nextafter(c, 0.0), c, std::nextafter(c, DBL_MAX)}) {
            v.push_back(x);
        }
    }
    for (int k = 1; k <= 16; ++k) {
        v.push_back(1 - k * 0x1p-53);
    }
    mpfr_t pi, t;
    mpfr_init2(pi, 1200);
    mpfr_init2(t, 1200);
    mpfr_const_pi(pi, MPFR_RNDN);
    auto around = [&v](double x) {
        v.push_back(std::nextafter(x, 0.0));
        v.push_back(x);
        v.push_back(std::nextafter(x, DBL_MAX));
    };
    for (int k = 1; k <= 32; ++k) {
        mpfr_mul_ui(t, pi, static_cast<unsigned long>(k), MPFR_RNDN);
        mpfr_div_2ui(t, t, 2, MPFR_RNDN);
        around(mpfr_get_d(t, MPFR_RNDN));
    }
    for (int j = 0; j < 1023; j += 16) {
        mpfr_mul_2ui(t, pi, static_cast<unsigned long>(j), MPFR_RNDN);
        mpfr_div_2ui(t, t, 1, MPFR_RNDN);
        around(mpfr_get_d(t, MPFR_RNDN));
    }
    mpfr_clear(pi);
    mpfr_clear(t);
    const size_t positive = v.size();
    for (size_t i = 0; i < positive; ++i) {
        v.push_back(-v[i]);
    }
    return v;
}

std::string Hex(double x) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", x);
    return text;
}

std::string Table() {
    std::ostringstream out;
    char line[160];
    out << "// Made by tools/cr_math_results_maker.cpp with MPFR " << mpfr_get_version()
        << " (the model's digests from the model as built);\n"
           "// do not edit: remake with\n"
           "//   build/tests/astro/vexamo-cr-math-results tests/astro/cr_math_results.inc\n\n"
           "// The digests of the correctly rounded results of each block of kBlock arguments,\n"
           "// range by range in the order of kRanges.\n"
           "inline constexpr uint64_t kBlockDigests[] = {\n";
    for (size_t r = 0; r < std::size(kRanges); ++r) {
        const Range& range = kRanges[r];
        Bits64 g(RangeSeed(static_cast<int>(r)));
        for (int b = 0; b < range.blocks; ++b) {
            uint64_t h = 0;
            for (int i = 0; i < kBlock; ++i) {
                h = Mix(h, std::bit_cast<uint64_t>(Nearest(range.f, Argument(range.kind, g))));
            }
            std::snprintf(line, sizeof line, "    0x%016" PRIx64 "ULL, // %s %s %d\n", h,
                          FunctionName(range.f), range.name, b);
            out << line;
        }
    }
    out << "};\n\n"
           "// Results in full: the published hard cases and their negatives, the arguments the "
           "fast\n// stage cannot decide, special arguments.\n"
           "inline constexpr ExactResult kExactResults[] = {\n";
    const char* names[] = {"Sin", "Cos", "Tan", "Atan", "Asin"};
    auto row = [&](Function f, double x) {
        const double y = Nearest(f, x);
        if (!std::isnan(y)) {
            out << "    {Function::" << names[static_cast<int>(f)] << ", " << Hex(x) << ", "
                << Hex(y) << "},\n";
        }
    };
    for (const PublishedCase& c : kPublishedHardCases) {
        row(c.f, c.x);
        row(c.f, -c.x);
    }
    for (const UndecidedCase& c : kUndecided) {
        row(c.f->f, c.x);
    }
    for (const double x : SpecialArguments()) {
        for (const Function f :
             {Function::Sin, Function::Cos, Function::Tan, Function::Atan, Function::Asin}) {
            row(f, x);
        }
    }
    out << "};\n\n"
           "// The digests of the model's numbers and texts on each of ModelTestBirths().\n"
           "inline constexpr ModelDigest kModelDigests[] = {\n";
    for (const Birth& b : ModelTestBirths()) {
        const ModelDigest d = DigestOf(b);
        std::snprintf(line, sizeof line,
                      "    {0x%016" PRIx64 "ULL, 0x%016" PRIx64
                      "ULL}, // %d.%d.%d %d:%02d %d %d %d\n",
                      d.numbers, d.texts, b.day, b.month, b.year, b.hour, b.minute, b.tz,
                      b.southern, b.constZone);
        out << line;
    }
    out << "};\n";
    return out.str();
}

} // namespace

int main(int argc, char** argv) {
    mpfr_set_emin(-1073);
    mpfr_set_emax(1024);
    const bool check = argc == 3 && std::strcmp(argv[1], "--check") == 0;
    if (argc != 2 && !check) {
        std::fprintf(stderr, "usage: %s OUT.inc | --check FILE.inc\n", argv[0]);
        return 2;
    }
    const std::string table = Table();
    const char* path = argv[argc - 1];
    if (!check) {
        std::ofstream(path, std::ios::binary) << table;
        return 0;
    }
    std::ifstream in(path, std::ios::binary);
    std::stringstream held;
    held << in.rdbuf();
    // The first line names the MPFR version, which may differ from the one that made the file.
    const std::string was = held.str();
    auto body = [](const std::string& s) {
        const size_t n = s.find('\n');
        return n == std::string::npos ? std::string() : s.substr(n);
    };
    if (body(was) == body(table)) {
        std::printf("%s holds MPFR's results and the model's digests\n", path);
        return 0;
    }
    std::istringstream a(body(was));
    std::istringstream b(body(table));
    std::string la, lb;
    for (int n = 1;; ++n) {
        const bool ga = static_cast<bool>(std::getline(a, la));
        const bool gb = static_cast<bool>(std::getline(b, lb));
        if (la != lb || ga != gb) {
            std::printf("%s differs at line %d:\n  held: %s\n  made: %s\n", path, n,
                        ga ? la.c_str() : "(end)", gb ? lb.c_str() : "(end)");
            break;
        }
    }
    return 1;
}
