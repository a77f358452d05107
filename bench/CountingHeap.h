#pragma once
// The benchmarks' own operator new and delete, which weigh the heap in use: to tell what a piece of
// code holds at its peak, or keeps after it.

// Bytes allocated through operator new and not yet freed.
long long HeapInUse();
// The most that was in use since the last ResetHeapPeak.
long long HeapPeak();
void ResetHeapPeak();
