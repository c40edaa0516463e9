// Real input to a visible control: mouse clicks, drags and wheel turns and
// keys through the system's input, or posted mouse and key messages.
#pragma once

class TDriver;

void RealInput(TDriver& D);
void PostedInput(TDriver& D);
