#pragma once
// The program's life: its states, the start and exit hooks, and the event
// table that binds the two button clicks to the two actions.
#include <cstdint>

namespace vodrelik {

enum class ProgramState { starting, running, ending };
enum class Event { clicked };

void set_program_state(ProgramState state);

void run_start_hook();
void register_exit_hook();
void run_exit_hook();      // runs the registered hook once, then forgets it
void discard_exit_hook();  // a fatal stop ends without it
void block_actions();      // from the start of a fatal stop on

// Runs the action bound to (control, event) to its end; an unbound pair, or
// any pair while the program is not running, does nothing.
void raise_event(std::uint32_t control, Event event);

}  // namespace vodrelik
