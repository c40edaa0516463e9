// What the driver does in one call: the table of actions with their weights.
// A new kind of call is one entry in Actions.cpp.
#pragma once

class TDriver;

struct TAction {
  const char* Name;
  int Weight;
  void (*Run)(TDriver& D);
};

// One action, picked by weight.
const TAction& PickAction(TDriver& D);
