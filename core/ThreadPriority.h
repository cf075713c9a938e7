#pragma once

// Lowers the calling thread's share of the processor (a nice value of
// `niceness`), once per thread, so that the interface thread wins the cores
// whenever it has work: QThread's priorities change nothing for Linux's
// ordinary threads; a thread's nice value does.
void LowerThisThread(int niceness);
