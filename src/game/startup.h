#pragma once

#include <string>

class App;

// What a second start on the same program folder says before it ends.
inline constexpr char AlreadyRunningMessage[] = "00 Varnet は既に起動しています。";

// Takes the data folder (Data/Files, made when missing) for this program alone, for as
// long as the App lives. Gives what the user is told when it cannot, and the program then
// ends: another program holds it (AlreadyRunningMessage), or the folder cannot be used,
// named with the reason. Empty when taken; taking it again is harmless.
std::string TakeProgramFolder(App& app);

// Starts the program as a user launching it would: the data folder is taken for this
// program alone, every window is bound to its handlers, files left by an interrupted save
// are put right, the main window loads and shows, and a game the last run left in the
// recovery pair is offered. When the folder cannot be taken nothing is read or written,
// and what TakeProgramFolder gives is returned; empty once started.
std::string StartProgram(App& app);

// Load handler of the main window: reads both settings files and prepares the windows.
void Main_F_Load(App& app);
