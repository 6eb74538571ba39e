// The editor states of the settings-file tests (sets that differ from every default)
// serve the transfer round trips too; they are compiled into this executable as well.
#include "settings_file/editor_state.cpp"
