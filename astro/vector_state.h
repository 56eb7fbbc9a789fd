#pragma once
// The processor's vector state between pieces of code built for different instruction sets.

// Marks the upper halves of the 256-bit vector registers as unused (vzeroupper) on processors
// with AVX; does nothing elsewhere. Code built for AVX that returns without doing so (a graphics
// library, say) leaves every later SSE instruction, such as those of the math functions, paying
// for a state transition. The evaluation entry points call this first; it changes no result.
void ClearUpperVectorState();
