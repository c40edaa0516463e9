// What the driver makes: forms of each kind, controls of every class, and
// components (timers, menus, tables). A new class is one line in Makers.cpp.
#pragma once

#include <functional>
#include <vector>

class TDriver;
class TForm;
class TWinControl;

struct TMaker {
  const char* Class;
  std::function<void(TDriver&, TWinControl* Parent)> Make;
};

const std::vector<TMaker>& FormMakers();
const std::vector<TMaker>& ControlMakers();
const std::vector<TMaker>& ComponentMakers();
// A hidden form with a control on it that closes itself once shown modally:
// by its own timer or by a close posted to it.
TForm* MakeModalForm(TDriver& D);
