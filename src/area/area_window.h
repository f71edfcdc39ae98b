#pragma once

class App;

// Load handler of the area window.
void Area_F_Load(App& app);
