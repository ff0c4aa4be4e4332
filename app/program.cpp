#include "app/program.h"

#include <array>

#include "actions/copy_action.h"
#include "actions/link_conversion.h"
#include "ui/controls.h"

namespace vodrelik {
namespace {

using Action = void (*)();
using Hook = void (*)();

struct EventBinding {
  std::uint32_t control;
  Event event;
  Action action;
};

constexpr std::array<EventBinding, 2> kEventTable{{
    {controls::按钮1, Event::clicked, convert_link},
    {controls::按钮2, Event::clicked, copy_to_clipboard},
}};

void start_hook() {}
void exit_hook() {}

ProgramState state = ProgramState::starting;
bool actions_blocked = false;
Hook registered_exit_hook = nullptr;

}  // namespace

void set_program_state(ProgramState new_state) { state = new_state; }

void run_start_hook() { start_hook(); }
void register_exit_hook() { registered_exit_hook = exit_hook; }

void run_exit_hook() {
  Hook hook = registered_exit_hook;
  registered_exit_hook = nullptr;
  if (hook) hook();
}

void discard_exit_hook() { registered_exit_hook = nullptr; }
void block_actions() { actions_blocked = true; }

void raise_event(std::uint32_t control, Event event) {
  if (actions_blocked || state != ProgramState::running) return;
  for (const EventBinding& binding : kEventTable) {
    if (binding.control == control && binding.event == event) {
      binding.action();
      return;
    }
  }
}

}  // namespace vodrelik
