#!/usr/bin/env bash
# Runs wine with the arguments given. Now and then wine cannot start a program
# when the address space is laid out at random ("failed to map the shared user
# data": about one start in a few thousand here, the program never runs and says
# nothing). Where the system allows it, wine runs with the layout fixed
# (setarch -R), and so do the programs it starts.
wine="$(command -v wine || command -v wine64)"
if setarch -R true 2>/dev/null; then exec setarch -R "$wine" "$@"; fi
exec "$wine" "$@"
