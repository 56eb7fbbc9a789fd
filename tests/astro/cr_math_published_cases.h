#pragma once
// The published hardest-to-round arguments of the sine, cosine, tangent, arc tangent and arc
// sine in double precision: those whose exact result lies nearest a double or a midpoint of two,
// binade by binade. From V. Lefèvre and J.-M. Muller, "Worst cases for correct rounding of the
// elementary functions in double precision", INRIA research report RR-4044 (2000) and ARITH 15
// (2001), and their table "Some worst cases for the Table Maker's Dilemma"
// (perso.ens-lyon.fr/jean-michel.muller/TMD.html, 2000; TMDworstcases.pdf, 2003), where the
// arguments are written in binary; here in hexadecimal. cr_math_hard_test.cpp checks with MPFR
// that each is as hard as published (at least kPublishedIdenticalBits identical bits after the
// rounding bit, i.e. the exact value within 2^-kPublishedIdenticalBits half-units in the last
// place of a double or a midpoint), so a slip in copying one shows.
#include "tests/astro/cr_math_arguments.h"

namespace cr_math_arguments {

struct PublishedCase {
    Function f;
    double x;
};

inline constexpr int kPublishedIdenticalBits = 50;

inline constexpr PublishedCase kPublishedHardCases[] = {
    // Sine: the small arguments (2^-20, 2^-7), then one a binade from 2^-5 to 1, pi/2 rounded
    // and one in [2, 4).
    {Function::Sin, 0x1.E0000000001C2p-20},
    {Function::Sin, 0x1.598BAE9E632F6p-7},
    {Function::Sin, 0x1.9283586503FEp-5},
    {Function::Sin, 0x1.D7BDCD778049Fp-5},
    {Function::Sin, 0x1.A202B3FB84788p-4},
    {Function::Sin, 0x1.D037CB27EE6DFp-3},
    {Function::Sin, 0x1.D5064E6FE82C5p-3},
    {Function::Sin, 0x1.FE767739D0F6Dp-2},
    {Function::Sin, 0x1.D98C4C612718Dp-1},
    {Function::Sin, 0x1.921FB54442D18p+0},
    {Function::Sin, 0x1.6756745770A51p+1},
    // Cosine.
    {Function::Cos, 0x1.8000000000009p-23},
    {Function::Cos, 0x1.8000000000024p-22},
    {Function::Cos, 0x1.2000000000F30p-18},
    {Function::Cos, 0x1.06B505550E6B2p-9},
    {Function::Cos, 0x1.97CCD3D2C438Fp-6},
    {Function::Cos, 0x1.549EC0C0C5AFAp-5},
    {Function::Cos, 0x1.16E534EE36580p-4},
    {Function::Cos, 0x1.EFEEF61D39AC2p-3},
    {Function::Cos, 0x1.FEB1F7920E248p-2},
    {Function::Cos, 0x1.7CB7648526F99p-1},
    {Function::Cos, 0x1.C65A170474549p-1},
    {Function::Cos, 0x1.6B8A6273D7C21p+0},
    // Tangent.
    {Function::Tan, 0x1.DFFFFFFFFFF1Fp-22},
    {Function::Tan, 0x1.67FFFFFFFA114p-18},
    {Function::Tan, 0x1.50486B2F87014p-5},
    {Function::Tan, 0x1.52C39EF070CADp-4},
    {Function::Tan, 0x1.A33F32AC5CEB5p-3},
    {Function::Tan, 0x1.D696BFA988DB9p-2},
    {Function::Tan, 0x1.46AC372243536p-1},
    // Arc tangent.
    {Function::Atan, 0x1.E000000000546p-21},
    {Function::Atan, 0x1.22E8D75E2BC7Fp-11},
    {Function::Atan, 0x1.0FC9F1FABE658p-5},
    {Function::Atan, 0x1.1BBE9C255698Dp-5},
    {Function::Atan, 0x1.8DDD25AB90CA1p-5},
    {Function::Atan, 0x1.5389E6DF41979p-4},
    {Function::Atan, 0x1.A933FE176B375p-3},
    {Function::Atan, 0x1.0F6E5D9960397p-2},
    {Function::Atan, 0x1.7BA49F739829Fp-1},
    // Arc sine.
    {Function::Asin, 0x1.DFFFFFFFFF02Ep-20},
    {Function::Asin, 0x1.DFFFFFFFFC0B8p-19},
    {Function::Asin, 0x1.9259E3708BD3Ap-5},
    {Function::Asin, 0x1.D77B117F230D6p-5},
    {Function::Asin, 0x1.A1490C8C06BA7p-4},
    {Function::Asin, 0x1.9697CB602C582p-3},
    {Function::Asin, 0x1.D0EF799001BA9p-3},
    {Function::Asin, 0x1.E9950730C4696p-2},
    {Function::Asin, 0x1.1ED06D50F7E88p-1},
    {Function::Asin, 0x1.D5B05A89D3E77p-1},
    {Function::Asin, 0x1.E264357EA0E29p-1},
};

} // namespace cr_math_arguments
