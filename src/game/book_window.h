#pragma once

class App;

// The wheel book's window (File menu "ホイール帳…") and its commands.
void Book_Click(App& app, int);
void Book_F_Load(App& app);
void Wheel_Click(App& app, int row);
void Wheel_Up_Click(App& app, int);
void Wheel_Down_Click(App& app, int);
void Use_Wheel_Click(App& app, int);
void New_Wheel_Click(App& app, int);
void Rename_Wheel_Click(App& app, int);
void Export_Wheel_Click(App& app, int);
void Session_Click(App& app, int row);
void Session_Up_Click(App& app, int);
void Session_Down_Click(App& app, int);
void Delete_Session_Click(App& app, int);
void Export_Session_Click(App& app, int);
void Book_Close_Click(App& app, int);

// The main window's title names the current wheel.
void ShowWheelInTitle(App& app);
