// Placeholder until the shell is built.
