#ifndef MAINLOOP_H
#define MAINLOOP_H

// The cycle runs while this is set; it is cleared when the connection is lost.
extern bool gLoop;

// Sense, think and act, once per server message.
void Run();

#endif
