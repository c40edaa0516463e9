// What the driver makes: forms of each kind, controls of every class, and
// components (timers, menus, tables). The controls are listed per folder,
// beside that folder's tests (tests/<folder>/DriverMakers.cpp): a new control
// is one line there, and tests/driver/check_events.py fails while a control
// class of the library is in no list.
#pragma once

#include <functional>
#include <vector>

class TComponent;
class TDriver;
class TForm;
class TWinControl;

struct TMaker {
  const char* Class;
  // Makes one on Parent (forms and components find their own place); the
  // object made, or nullptr when there was nowhere to make it.
  std::function<TComponent*(TDriver&, TWinControl* Parent)> Make;
};

const std::vector<TMaker>& FormMakers();
// Every folder's controls, in one list.
const std::vector<TMaker>& ControlMakers();
const std::vector<TMaker>& ComponentMakers();
// The maker of Class from any of the lists above, or nullptr.
const TMaker* FindMaker(const char* Class);
// A hidden form with a control on it that closes itself once shown modally:
// by its own timer or by a close posted to it. A Tick, when given, runs as a
// handler at the timer's first tick (the form then always has the timer).
TForm* MakeModalForm(TDriver& D, const std::function<void()>& Tick = nullptr);

// The per-folder lists.
const std::vector<TMaker>& ClassLibControlMakers();
const std::vector<TMaker>& SkinCtrlsControlMakers();
const std::vector<TMaker>& SkinInputsControlMakers();
const std::vector<TMaker>& ComponentsControlMakers();
