#pragma once

class App;

// What a second start on the same program folder says before it ends.
inline constexpr char AlreadyRunningMessage[] = "00 Varnet は既に起動しています。";

// Takes the program folder for this program alone, for as long as the App lives; false
// while another program holds it. Taking it again is harmless.
bool TakeProgramFolder(App& app);

// Starts the program as a user launching it would: the program folder is taken for this
// program alone, every window is bound to its handlers, files left by an interrupted save
// are put right, the main window loads and shows, and a game the last run left in the
// recovery pair is offered. False, with nothing read or written, while another program
// runs on the same folder.
bool StartProgram(App& app);

// Load handler of the main window: reads both settings files and prepares the windows.
void Main_F_Load(App& app);
